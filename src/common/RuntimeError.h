// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QString>
#include <exception>

// A trapped run-time error: its number and its description, as the internal-error
// report shows them (53 file not found, 9 subscript out of range, ...).
class RuntimeError : public std::exception {
public:
    RuntimeError(int number, QString description)
        : number_(number), description_(std::move(description)), what_(description_.toUtf8())
    {
    }

    int number() const { return number_; }
    const QString& description() const { return description_; }
    const char* what() const noexcept override { return what_.constData(); }

    static RuntimeError fileNotFound() { return {53, QStringLiteral("File not found")}; }
    static RuntimeError subscriptOutOfRange() { return {9, QStringLiteral("Subscript out of range")}; }
    static RuntimeError badData(const QString& what) { return {13, QStringLiteral("Type mismatch: ") + what}; }

private:
    int number_;
    QString description_;
    QByteArray what_;
};
