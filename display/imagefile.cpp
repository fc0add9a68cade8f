// SPDX-License-Identifier: GPL-3.0-or-later
// Reading display and score pictures within the image reader's memory limit.
#include "imagefile.h"

#include <QImageReader>

namespace {

// Bytes one decoded picture may take (the limit later Qt versions set by default): a 32-bit
// picture of about 5800 x 5800 pixels. Qt 5 itself would try to allocate almost 2 GB.
constexpr qint64 DecodeLimitBytes = qint64(128) * 1024 * 1024;

} // namespace

ImageFile ReadImageFile(const QString &path, const QSize &fitInto)
{
    ImageFile result;
    QImageReader reader(path);
    result.fileSize = reader.size();
    if (!result.fileSize.isValid() || result.fileSize.isEmpty())
        return result;

    const bool larger = fitInto.isValid()
        && (result.fileSize.width() > fitInto.width() || result.fileSize.height() > fitInto.height());
    // Only the JPEG decoder scales while decoding; the others decode at full size first.
    const QByteArray format = reader.format();
    const bool decodesScaled = format == "jpeg" || format == "jpg";
    if (larger && decodesScaled) {
        reader.setScaledSize(result.fileSize.scaled(fitInto, Qt::KeepAspectRatio));
    } else if (qint64(result.fileSize.width()) * result.fileSize.height() * 4 > DecodeLimitBytes) {
        result.tooLarge = true;
        return result;
    }

    result.image = reader.read();
    return result;
}
