#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

namespace isobra::test {

// A home folder of the test's own, empty as a new account's, for as long as
// the object lives: HOME points at it and XDG_DATA_HOME is unset, so the
// desktop's data folder (and the trash in it) lies inside. Both come back
// as they were on destruction.
class TemporaryHome {
public:
    TemporaryHome() : savedHome_(qgetenv("HOME")), savedDataHome_(qgetenv("XDG_DATA_HOME")) {
        qputenv("HOME", QFile::encodeName(home_.path()));
        qunsetenv("XDG_DATA_HOME");
    }
    ~TemporaryHome() {
        qputenv("HOME", savedHome_);
        if (savedDataHome_.isEmpty())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", savedDataHome_);
    }
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;

    bool isValid() const { return home_.isValid(); }
    QString path() const { return home_.path(); }

private:
    QByteArray savedHome_;
    QByteArray savedDataHome_;
    QTemporaryDir home_;
};

}  // namespace isobra::test
