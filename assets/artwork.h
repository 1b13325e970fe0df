#pragma once

// The forms' background artwork, by resource.
namespace artwork {

inline constexpr char mainMenu[] = ":/assets/main_menu.svg";
inline constexpr char contact[] = ":/assets/contact.svg";

} // namespace artwork
