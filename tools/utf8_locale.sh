# Sourced by every script that starts Wine.
#
# Wine turns Unix file names into Windows ones through the locale's character
# set. With no locale set (a minimal system, a container, a clean `env -i`)
# that set is ASCII, and a folder or track whose name is outside it can be
# neither created nor opened. Keep the caller's locale when it is UTF-8 and
# usable; otherwise fall back to C.UTF-8, which every glibc system has.
if [ "$(locale charmap 2>/dev/null)" != "UTF-8" ]; then
  export LC_ALL=C.UTF-8
fi
