#pragma once

class PakArchive;
class String;

// The collection a new user finds on the very first start. It ships in the
// data archive (the group "example": its collection file, and "example/Images"
// with its covers) and is written into the data folder whole or not at all.
class ExampleCollection
{
public:
    // Writes the collection as dataDirectory\name: into a temporary folder
    // beside it first, renamed only when every file was written. False, with
    // nothing left behind, when the archive has no example, the collection
    // exists already or anything fails.
    static bool write(const PakArchive& data, const String& dataDirectory, const String& name);
};
