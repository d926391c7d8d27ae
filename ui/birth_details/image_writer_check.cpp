#include "ui/birth_details/image_writer_check.h"

#include <QByteArray>
#include <QImageWriter>

namespace orbalis {

bool JpegWriterAvailable() {
    const QList<QByteArray> formats = QImageWriter::supportedImageFormats();
    return formats.contains("jpeg") || formats.contains("jpg");
}

}  // namespace orbalis
