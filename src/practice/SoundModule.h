#pragma once

#include <QString>

#include "model/Result.h"

namespace isobra {

class SoundKit;

// Finds and loads the module that holds the practice's voice and sound
// device, the first time it is asked for. The module is never unloaded:
// what it made (sound outputs, the engine's state) may outlive any one
// practice.
class SoundModule {
public:
    // The module beside the program, or where an installation puts it.
    SoundModule();
    // That file only.
    explicit SoundModule(QString file);

    // The module's kit, or why it cannot be had, in Japanese (the file and
    // the system's reason).
    Result<SoundKit*> Kit();

private:
    QString file_;  // empty: the places beside the program
    SoundKit* kit_ = nullptr;
};

}  // namespace isobra
