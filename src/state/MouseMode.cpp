#include "state/MouseMode.h"

namespace isobra {

std::string_view MouseModeText(MouseMode mode) {
    switch (mode) {
        case MouseMode::None:
            return "";
        case MouseMode::Raise:
            return "+";
        case MouseMode::Lower:
            return "-";
        case MouseMode::Inspect:
            return "?";
        case MouseMode::NorthSouth:
            return "V";
        case MouseMode::EastWest:
            return "H";
    }
    return "";
}

}  // namespace isobra
