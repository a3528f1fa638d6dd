#include "framework/dialogs/DragMimeData.h"

#include "framework/dialogs/DialogRequests.h"

#include <QImage>
#include <QList>
#include <QMimeData>
#include <QUrl>

QMimeData* newMimeDataFor(const DragRequest& request) {
    auto* data = new QMimeData;
    if (!request.text.empty()) data->setText(QString::fromStdString(request.text));
    QList<QUrl> urls;
    for (const std::string& path : request.filePaths) urls << QUrl::fromLocalFile(QString::fromStdString(path));
    if (!urls.isEmpty()) data->setUrls(urls);
    if (request.pngImage) {
        const std::vector<uint8_t> png = request.pngImage();
        QImage image;
        if (!png.empty() && image.loadFromData(png.data(), static_cast<int>(png.size()), "PNG"))
            data->setImageData(image);
    }
    return data;
}
