#pragma once
// The application name: the caption of every message box and the name the
// engine connection is given.
inline constexpr char kAppName[] = "所得税";
