// Finished files moved from the run's work folder to their place, and the
// names they take.
//
// A rename that never replaces (renameat2 with RENAME_NOREPLACE) is atomic:
// nothing at the name, not a file another run or program put there
// meanwhile and not a planted link, is overwritten or followed, and nobody
// ever sees a half-written file under an output's name.
#pragma once

#include <QString>

#include <functional>

namespace convert {

struct Placement {
    QString path;  // where the item now is; empty when it was not moved
    QString error; // why not; empty when it was
    QString errorInEnglish;  // the same as the log keeps it
    bool renumbered = false; // something was at the name asked for: kept, and the item numbered beside it

    bool ok() const { return !path.isEmpty(); }
};

// Moves from (a file, or a folder) to wanted, on the same file system.
// Whatever is at wanted (a file, a folder, a link, dangling or not) is kept,
// and the item takes the first free "<name> 2.<ext>", "<name> 3.<ext>"...
// (a folder's whole name is numbered), also skipping the names for which
// alsoTaken answers true. With overwrite, what is at wanted is replaced in
// one step (a link as the link itself, never its target); a folder there is
// not replaced.
Placement placeItem(const QString &from, const QString &wanted, bool overwrite,
                    const std::function<bool(const QString &)> &alsoTaken = {});

// A file name (without extension) made of a title that may hold anything:
// "/" and control characters become "-" or go, ":" becomes ";" (as camera
// names have it, and for the FAT and exFAT cards and sticks outputs often go
// to), blanks at the ends go, and the name is cut (at a character) to
// maxBytes bytes of UTF-8. "video" when nothing is left or it would be
// hidden.
QString fileNameFromTitle(const QString &title, int maxBytes = 200);

} // namespace convert
