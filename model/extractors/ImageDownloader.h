#pragma once

class String;

// Stores a picture fetched from the web in the open collection's Images
// folder. The collection model is the one the program uses; the extractors
// know only this much of it.
class ImageDownloader
{
public:
    virtual ~ImageDownloader() = default;
    // The stored file's path; empty when nothing was written.
    virtual String downloadImage(const String& url, const String& name) const = 0;
};
