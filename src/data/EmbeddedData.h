// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QByteArray>
#include <optional>

struct EmbeddedFile {
    const char* name;
    const char* begin;
    const char* end;
};

// The files of resources/data, embedded in the executable; the list ends with a null name.
extern const EmbeddedFile kEmbeddedFiles[];

// The bytes of one embedded file, without copy; none when no file has that name.
std::optional<QByteArray> embeddedFile(const char* name);
// Tells the system that the pages of an embedded file are not needed for now, once its
// records have been copied into the tables: they leave the program's resident memory and
// are read again from the executable if ever touched. Does nothing where not supported.
void releaseEmbeddedFile(const char* name);
