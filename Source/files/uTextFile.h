#ifndef IRRIKA_FILES_UTEXTFILE_H
#define IRRIKA_FILES_UTEXTFILE_H

// The text file behind a run-file formatter: one line at a time, single-byte characters.
// Reading accepts lines that end in CR LF or in LF alone. Writing never touches the target
// until the whole content is on disk: the lines go to a temporary file in the target's
// folder, which replaces the target only after it was written and closed without error,
// so a full disk or a device error leaves the previous file intact.

#include "ReplacementFile.h"

#include <fstream>
#include <string>

class TTextFile {
public:
    TTextFile() = default;
    TTextFile(const TTextFile &) = delete;
    TTextFile &operator=(const TTextFile &) = delete;
    // An unfinished write is thrown away; the target keeps its content.
    ~TTextFile();

    // False when the file cannot be opened for reading (a folder cannot either).
    bool OpenRead(const std::string &fileName);
    // The next line without its line end; an empty text once the file is exhausted, the
    // way a missing line reads.
    std::string ReadLine();
    // True when no line is left to read.
    bool AtEnd();

    // False when the target could not be written: an existing target that refuses
    // writing, or a folder in which no file can be made.
    bool OpenWrite(const std::string &fileName);
    // Appends the line and CR LF; nothing after Flush.
    void WriteLine(const std::string &line);
    // Puts the whole new content on the disk under WrittenPath() without touching the
    // target yet, so that it can be read back first. False when writing failed.
    bool Flush();
    // While writing: the file that holds the new content until Close moves it in place.
    const std::string &WrittenPath() const { return FReplacement.TemporaryPath(); }

    // Ends reading, or finishes writing and puts the new content in place of the target.
    // False when writing, flushing or replacing failed; the target then keeps what it held.
    bool Close();
    // Ends a write without touching the target (after an error while building lines).
    void Discard();

    bool IsOpen() const { return FMode != Mode::Closed; }

private:
    enum class Mode { Closed, Reading, Writing };

    bool FinishWrite();

    Mode FMode = Mode::Closed;
    std::ifstream FIn;
    ReplacementFile FReplacement;  // the new content while writing
    bool FWriteFailed = false;
    bool FFlushed = false;      // the content is complete on the disk
    std::string FPending;       // written lines not yet handed to the system
};

#endif
