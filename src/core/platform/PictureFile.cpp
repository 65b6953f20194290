#include "PictureFile.h"

#include "AppError.h"
#include "TextFile.h"

QImage LoadPicture(FileOps& files, const QString& path)
{
    QImage image;
    AsAppError([&] { image = QImage::fromData(ReadFileBytes(files, path, kPictureReadLimit)); });
    if (image.isNull())
        throw AppError(ErrorNumber::InvalidPicture);
    return image;
}

QImage ReadPicture(FileOps& files, const QString& path)
{
    try {
        return LoadPicture(files, path);
    } catch (const AppError&) {
        return QImage();
    }
}
