#include "PictureFile.h"

#include "AppError.h"
#include "TextFile.h"

QImage ReadPicture(FileOps& files, const QString& path)
{
    try {
        QImage image;
        AsAppError([&] { image = QImage::fromData(ReadFileBytes(files, path, kPictureReadLimit)); });
        return image;
    } catch (const AppError&) {
        return QImage();
    }
}
