#include "core/shell/application_state.h"

namespace orvane {

ApplicationState& application() {
    static ApplicationState state;
    return state;
}

} // namespace orvane
