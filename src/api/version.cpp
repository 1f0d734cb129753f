#include <cellwright/cellwright.hpp>

namespace cellwright {

const char* version() noexcept {
    return CELLWRIGHT_VERSION_STRING;
}

}  // namespace cellwright
