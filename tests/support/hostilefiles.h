// What a reader may find in a data file's place, and one helper that runs every reader of a
// test program against each kind: a named pipe, a link to an endless device or a folder must
// read as a missing file, quickly; a huge file, a byte-order mark or lines ended by CR alone
// must still give the record.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

enum class Hostile { Fifo, DeviceLink, Folder, Huge, Bom, CrOnly };

// Lays `kind` at `path` where a file holding `record` (lines ended by CR LF) would be: a named
// pipe with no writer, a link to /dev/zero, a folder, the record followed by 100 MB (sparse,
// no disk), the record behind a UTF-8 byte-order mark, the record with CR alone between lines.
void layHostile(const QString &path, Hostile kind, const QByteArray &record);

struct HostileReader {
    const char *name;
    QString file;                  // the data file, relative to the program folder
    QByteArray record;             // what the file holds when it is sound
    QString whenRead;              // what the reader gives for the record
    QString whenMissing;           // what it gives for a missing file
    std::function<QString()> read; // runs the reader once; what it gave
    bool wholeFile = false;        // reads the whole file: a huge one is refused, as missing
    bool text = true;              // a text record: byte-order marks and line ends apply
};

// Every reader against every kind that applies to it, each read under a deadline: a reader
// that blocks ends the test program with a failure rather than hanging the suite. Each file is
// left holding its record, for the readers that follow.
void expectReadersWithstandHostileFiles(const QString &folder,
                                        const std::vector<HostileReader> &readers);
