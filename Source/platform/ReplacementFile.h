#ifndef IRRIKA_PLATFORM_REPLACEMENTFILE_H
#define IRRIKA_PLATFORM_REPLACEMENTFILE_H

// A new file written beside its target that takes the target's place only once it is
// complete, so a full disk or a device error leaves the previous file intact. The
// temporary lies in the target's folder, so the final rename replaces in one step.

#include <string>

class ReplacementFile {
public:
    ReplacementFile() = default;
    ReplacementFile(const ReplacementFile &) = delete;
    ReplacementFile &operator=(const ReplacementFile &) = delete;
    // A temporary that was not committed is removed.
    ~ReplacementFile();

    // Makes the empty temporary, open for writing. A symbolic link as target is followed;
    // the temporary gets an existing target's permissions, else those of a new file.
    // False (errno set) when no file can be made there, and when the target is a folder
    // or a file that refuses writing.
    bool Create(const std::string &target);
    // The open temporary's descriptor; -1 before Create and after CloseDescriptor.
    int Descriptor() const { return FDescriptor; }
    // Appends text to the open temporary. False (errno set) when the system refused part of it.
    bool Write(const std::string &text);
    const std::string &TemporaryPath() const { return FTemporary; }
    // Flushes the temporary to the disk and closes it (for writers that reopen it by name).
    // False when that failed.
    bool CloseDescriptor();
    // Closes the temporary when still open and moves it over the target. False (errno
    // set) when that failed; the temporary is then removed and the target untouched.
    bool Commit();
    // Throws the temporary away; the target keeps what it held.
    void Discard();

private:
    int FDescriptor = -1;
    std::string FTarget;
    std::string FTemporary;
};

#endif
