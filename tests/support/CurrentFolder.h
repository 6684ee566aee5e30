#pragma once

#include <QDir>
#include <QString>

namespace isobra::test {

// Keeps the process's current folder and puts it back when it goes, so that
// a test that moves into its own folder leaves the next test where it was.
class CurrentFolder {
public:
    CurrentFolder() : saved_(QDir::currentPath()) {}
    ~CurrentFolder() { QDir::setCurrent(saved_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    QString saved_;
};

}  // namespace isobra::test
