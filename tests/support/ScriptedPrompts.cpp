#include "support/ScriptedPrompts.h"
