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
    if (!request.pngImage.empty()) {
        QImage image;
        if (image.loadFromData(request.pngImage.data(), static_cast<int>(request.pngImage.size()), "PNG"))
            data->setImageData(image);
    }
    return data;
}
