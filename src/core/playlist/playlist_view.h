#pragma once

#include "core/message.h"

#include <string>

namespace jukewright {

// What the track commands need of the window: the rows of the track list, its selection, the hover
// images and message boxes.
class PlaylistView : public MessageView {
public:
    virtual void clearRows() = 0;
    virtual void appendRow(const std::string& text) = 0;
    virtual int rowCount() const = 0;
    virtual bool isRowSelected(int row) const = 0;
    // Makes the row the current, selected row.
    virtual void selectRow(int row) = 0;
    virtual void hideHoverImages() = 0;
};

} // namespace jukewright
