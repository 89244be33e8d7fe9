// Window message codes that the core's control procedures take, with the values the Windows
// messages have; a front end on another desktop translates its events to them. Kept in a namespace
// of their own so that they never meet the macros of the Windows headers.
#pragma once

namespace quintrel::control_msg {

inline constexpr unsigned kWmSetFocus = 0x0007;
inline constexpr unsigned kWmKillFocus = 0x0008;
inline constexpr unsigned kWmKeyDown = 0x0100;
inline constexpr unsigned kWmKeyUp = 0x0101;
inline constexpr unsigned kWmSysKeyDown = 0x0104;
inline constexpr unsigned kWmSysKeyUp = 0x0105;
inline constexpr unsigned kWmHScroll = 0x0114;
inline constexpr unsigned kWmVScroll = 0x0115;
inline constexpr unsigned kWmLButtonDblClk = 0x0203;
inline constexpr unsigned kWmMouseWheel = 0x020A;

}  // namespace quintrel::control_msg
