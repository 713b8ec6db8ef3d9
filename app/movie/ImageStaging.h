#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/text/String.h"

class Image;

// A movie editor's private folder for the pictures the user gives it, inside
// the collection's folder (so on the same volume as "Images"). Pictures land
// here under their final names and reach "Images" only when the edit is
// saved, so a cancelled edit leaves every picture of the collection as it
// was. The folder goes with the object; one left behind by a crash is
// removed when the next editor opens.
class ImageStaging
{
public:
    // Every staging folder's name starts with this.
    static const char16_t kFolderPrefix[];

    ImageStaging() = default;
    virtual ~ImageStaging();
    ImageStaging(const ImageStaging&) = delete;
    ImageStaging& operator=(const ImageStaging&) = delete;

    // Removes staging folders left in collectionFolder, then makes a fresh
    // one. False, with no folder, when it cannot be made.
    bool open(const String& collectionFolder);
    bool isOpen() const { return !m_folder.isEmpty(); }
    const String& folder() const { return m_folder; }

    // The staged file of that name; empty without a folder, or for a name
    // that cannot stand in a folder (ImageFolder::isUsableName), a device's
    // included, so nothing is staged under such a name nor read from it.
    String stagedPath(const String& name) const;
    bool has(const String& name) const;
    // Copies source in under name, replacing a staged file of that name.
    bool stageCopy(const String& source, const String& name);
    // Saves the picture in under name by the codec of its extension.
    bool stageImage(const Image& image, const String& name);
    // Forgets the staged file of that name, so that the file in "Images"
    // stays; false when it is still there.
    bool unstage(const String& name);

    // Moves the staged files among names over their namesakes in
    // imagesFolder (names without a staged file are passed over). All or
    // nothing: on a failure every target is put back as it was, failedName
    // names the file that could not be moved, and the result is false.
    bool commit(const String& imagesFolder, const StringList& names, String* failedName);

    // Deletes the folder and what it holds.
    void discard();

    // Deletes every staging folder directly inside collectionFolder.
    static void removeLeftovers(const String& collectionFolder);

protected:
    // Every move a commit makes, its undoing included, goes through here,
    // so that a move failing halfway through can be tried on a sound disk.
    virtual bool moveFile(const String& source, const String& target);

private:
    struct Moved
    {
        String name;
        bool hadPrevious = false;
    };

    String previousPath(const String& name) const;
    void rollBack(const String& imagesFolder, const List<Moved>& moved);
    static void removeFolder(const String& folder);

    String m_folder;
};
