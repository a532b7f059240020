#include "gui/main_window/skin_loader.h"

#include "core/window/main_window_messages.h"
#include "gui/widgets/picture_button.h"
#include "gui/widgets/twips_geometry.h"

#include <QDir>
#include <QImageReader>
#include <QPixmap>

namespace jukewright::gui {

QString skinFolder(const QString& dataFolder, const QString& language) {
    return QDir(dataFolder).filePath(QStringLiteral("background/") + language);
}

std::vector<std::string> LoadSkin(const SkinControls& controls, const QString& dataFolder, const QString& language) {
    const QDir folder(skinFolder(dataFolder, language));
    std::vector<std::string> failures;
    SkinTable<std::optional<TwipsSize>> sizes;
    for (std::size_t i = 0; i < SkinPartCount; ++i) {
        const QString path = folder.filePath(QString::fromUtf8(SkinPictures[i].file));
        QImageReader reader(path);
        const QImage image = reader.read();
        if (image.isNull()) {
            failures.push_back(skinFailureRow(path.toStdString(), reader.errorString().toStdString()));
            controls[i]->setPicture({});
            continue;
        }
        controls[i]->setPicture(QPixmap::fromImage(image));
        sizes[i] = TwipsSize{pixelsToTwips(image.width()), pixelsToTwips(image.height())};
    }
    const SkinTable<TwipsRect> layout = packSkin(sizes);
    for (std::size_t i = 0; i < SkinPartCount; ++i)
        controls[i]->setGeometry(toPixels(layout[i]));
    return failures;
}

} // namespace jukewright::gui
