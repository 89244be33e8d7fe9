// Window message codes, with the values the Windows messages have, for the core's procedures,
// hooks and controls; a front end on another desktop translates its events to them. Kept in a
// namespace of their own so that they never meet the macros of the Windows headers.
#pragma once

namespace quintrel::msg {

inline constexpr unsigned kWmSetFocus = 0x0007;
inline constexpr unsigned kWmKillFocus = 0x0008;
inline constexpr unsigned kWmKeyDown = 0x0100;
inline constexpr unsigned kWmKeyUp = 0x0101;
inline constexpr unsigned kWmChar = 0x0102;
inline constexpr unsigned kWmSysKeyDown = 0x0104;
inline constexpr unsigned kWmSysKeyUp = 0x0105;
inline constexpr unsigned kWmHScroll = 0x0114;
inline constexpr unsigned kWmVScroll = 0x0115;
inline constexpr unsigned kWmMouseMove = 0x0200;
inline constexpr unsigned kWmLButtonDown = 0x0201;
inline constexpr unsigned kWmLButtonUp = 0x0202;
inline constexpr unsigned kWmLButtonDblClk = 0x0203;
inline constexpr unsigned kWmRButtonDown = 0x0204;
inline constexpr unsigned kWmRButtonUp = 0x0205;
inline constexpr unsigned kWmRButtonDblClk = 0x0206;
inline constexpr unsigned kWmMButtonDown = 0x0207;
inline constexpr unsigned kWmMButtonUp = 0x0208;
inline constexpr unsigned kWmMButtonDblClk = 0x0209;
inline constexpr unsigned kWmMouseWheel = 0x020A;
inline constexpr unsigned kWmXButtonDown = 0x020B;
inline constexpr unsigned kWmXButtonUp = 0x020C;

}  // namespace quintrel::msg
