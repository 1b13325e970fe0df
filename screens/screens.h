#pragma once

namespace app {
class Forms;
}

namespace screens {

// Gives every instance slot the factory of its screen.
void registerAll(app::Forms& forms);

} // namespace screens
