#pragma once

#include "gui/dialogs/kept_dialog.h"

#include <QPointer>
#include <functional>
#include <type_traits>
#include <utility>

namespace jukewright::gui {

// Keeps a dialog between its showings: OK and Cancel only hide it, so it shows again as it was left;
// its close box destroys it, and the next showing creates it afresh.
template <class Dialog> class DialogKeeper {
public:
    explicit DialogKeeper(std::function<Dialog*()> create) : m_create(std::move(create)) {}

    Dialog* dialog() {
        static_assert(std::is_base_of_v<KeptDialog, Dialog>, "only a dialog whose OK and Cancel hide it is kept");
        if (!m_dialog)
            m_dialog = m_create();
        return m_dialog;
    }

private:
    std::function<Dialog*()> m_create;
    QPointer<Dialog> m_dialog;
};

} // namespace jukewright::gui
