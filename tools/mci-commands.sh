#!/bin/sh
# The MCI command strings a program sent, in order, from a Wine trace made
# with WINEDEBUG=+mci:  mci-commands.sh TRACE
# Calls with a return buffer are Wine's own (it tries to open an unknown
# alias as a device), so only those without one are the program's.
sed -n 's/.*:mciSendStringW (L"\(.*\)", 0*, 0, .*/\1/p' "$1" | tr -d '\r' | sed 's/\\\\/\\/g'
