#!/bin/sh
# The strip of the package build (CMAKE_STRIP): as Debian's dh_strip, it also
# drops the .comment section, where every object file, the C run-time's own
# among them, names the compiler that made it.
exec strip --remove-section=.comment "$@"
