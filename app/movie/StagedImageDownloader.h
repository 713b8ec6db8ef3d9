#pragma once

#include "model/extractors/ImageDownloader.h"

class ImageStaging;

// Stores the pictures an extraction fetches in a movie editor's staging
// folder instead of "Images", so that they replace the collection's files
// only when the edit is saved.
class StagedImageDownloader : public ImageDownloader
{
public:
    explicit StagedImageDownloader(const ImageStaging& staging) : m_staging(staging) {}

    // Empty, with nothing written, when the staging folder is not open.
    String downloadImage(const String& url, const String& name) const override;

private:
    const ImageStaging& m_staging;
};
