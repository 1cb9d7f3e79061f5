// SPDX-License-Identifier: GPL-3.0-or-later
// The window services: everything a handler may ask of the window and of the
// system. Handlers reach fields, message boxes, the browser, the clock and the
// file system only through this interface, so that tests can watch every one
// of those effects.
#pragma once

#include "engine/engine.h"
#include "window/history/entry.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

namespace window {

// The buttons of a message box.
enum class Buttons {
    Ok,    // a single OK button
    YesNo, // Yes (the default) and No
};

// The button that closed a message box. A Yes/No box closed by Escape or by
// its frame answers No.
enum class Answer { Ok, Yes, No };

// Why a line could not be written to a file.
enum class WriteFailure {
    FolderMissing, // the file's folder does not exist
    IsAFolder,     // a folder stands where the file should be
    CannotOpen,    // the file could not be created or opened for writing
    CannotWrite,   // it was opened, but the line could not be written whole
};

struct WriteError {
    WriteFailure kind;
    QString systemText; // the system's own description, when it gave one
};

// The window's text fields: a, b, the result and the precision of division.
enum class Field { Text1, Text2, Text3, Text4 };

class Services {
public:
    virtual ~Services() = default;

    // Read field and Write field: the whole text of Text1 to Text4, any
    // length, as UTF-8. Writing Text4 runs the precision handler, as typing
    // into it does.
    virtual engine::Text readField(Field field) = 0;
    virtual void writeField(Field field, const engine::Text& text) = 0;
    // The precision of division: the window's member Precision.
    virtual std::int32_t precision() const = 0;
    virtual void setPrecision(std::int32_t digits) = 0;

    // The window's current caption, the usual title of a message box.
    virtual QString caption() const = 0;

    // Show message: a modal box without icon; returns once the user closed it.
    virtual Answer showMessage(const QString& text, Buttons buttons, const QString& title) = 0;

    // Open web page: hands the address to the system's browser and returns at
    // once, without waiting for the browser; false when no browser could be
    // started.
    virtual bool openWebPage(const QString& url) = 0;

    // Clock: the current date and time of day.
    virtual QDateTime now() const = 0;

    // Program folder: the folder that holds the program file.
    virtual QString programFolder() const = 0;

    // Available memory: what the system says a computation can still take,
    // in bytes (MemAvailable of /proc/meminfo, or the free pages where that
    // is missing); none when it says nothing.
    virtual std::optional<std::uint64_t> availableMemory() const = 0;

    // The user's folders and the file system, as the save finds its folder:
    // the home folder; the documents folder, made when it does not exist yet
    // (empty when the system names none); whether anything exists at `path`;
    // and `path` with its symbolic links resolved when it exists, made
    // absolute and clean when it does not.
    virtual QString homeFolder() const = 0;
    virtual QString documentsFolder() = 0;
    virtual bool exists(const QString& path) const = 0;
    virtual QString resolvedPath(const QString& path) const = 0;

    // Write text line: appends `text` and CR LF to the file at `path`, creating
    // the file when it does not exist; what it held stays. When the line could
    // not be written whole, the file is left as it was and the reason returned.
    virtual std::optional<WriteError> writeTextLine(const QString& path, const QString& text) = 0;

    // Whether this save is the first of the run to go elsewhere than the
    // program folder: true the first time it is asked, false ever after, so
    // that the user is told once where such saves go.
    bool firstSaveElsewhere() { return !std::exchange(savedElsewhere_, true); }

    // Record calculation: keeps a calculation that wrote the result field in
    // the history, which writes it off the window's thread; returns at once.
    virtual void recordCalculation(history::Entry entry) = 0;

    // Close window: closes the main window, which ends the program.
    virtual void closeWindow() = 0;

    // Run job: runs `job` to its end and returns once it has ended: true,
    // or false when the job was asked to stop meanwhile (by the user or by
    // closing the window), even if it had just finished; what the job threw
    // is thrown on. `job` must not reach the window: it works on texts read
    // before it started and leaves its writes for after it ended. The window
    // runs it on a worker thread; meanwhile the window repaints and takes no
    // input, and after about half a second a progress window says that `what`
    // is being computed and lets the user stop it.
    virtual bool runJob(const QString& what, const std::function<void()>& job) = 0;

private:
    bool savedElsewhere_ = false;
};

} // namespace window
