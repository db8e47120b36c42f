# Sourced: the Wine environment of a Japanese Windows. The ja_JP.UTF-8 locale
# makes Wine's ANSI code page 932, so the program's "A" calls see Shift_JIS.
# The prefix lives under build/ and is created on first use.
orbek_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$orbek_root/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  # One wineboot even when several programs start at once.
  (
    flock 9
    [ -f "$WINEPREFIX/system.reg" ] || { wineboot -i >/dev/null 2>&1 || true; wineserver -w || true; }
  ) 9>"$WINEPREFIX.lock"
fi
# Windows as the programs expect it: without a window manager Wine draws the
# captions itself, and the dialog font "ＭＳ Ｐゴシック" is matched by the
# proportional IPA Gothic. Applied once per prefix.
if [ ! -f "$WINEPREFIX/.orbek-settings" ]; then
  {
    printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n'
    printf '"Managed"="N"\r\n"Decorated"="N"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    printf '"ＭＳ Ｐゴシック"="IPAPGothic"\r\n"ＭＳ ゴシック"="IPAGothic"\r\n"MS UI Gothic"="IPAPGothic"\r\n'
  } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$WINEPREFIX/drive_c/orbek-settings.reg"
  wine regedit /S 'C:\orbek-settings.reg' >/dev/null 2>&1 || true
  touch "$WINEPREFIX/.orbek-settings"
fi
# Wine draws the caption buttons with the symbol font Marlett (the letters
# "r", "0", "1" are its close, maximise and minimise); Debian's fonts-wine
# ships it, but this Wine finds it only in the prefix's fonts folder.
if [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ] && [ -f /usr/share/wine/fonts/marlett.ttf ]; then
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
fi
