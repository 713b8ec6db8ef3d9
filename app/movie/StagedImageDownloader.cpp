#include "app/movie/StagedImageDownloader.h"

#include "app/movie/ImageStaging.h"
#include "model/images/ImageDownload.h"

String StagedImageDownloader::downloadImage(const String& url, const String& name) const
{
    if (!m_staging.isOpen())
        return String();
    return ImageDownload::fetch(url, m_staging.folder(), name);
}
