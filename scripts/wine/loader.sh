#!/usr/bin/env bash
# Wine's loader with address space randomization off for the program and what it
# starts. Debian's Wine has no preloader to reserve the fixed addresses a Windows
# process needs before its Linux heap grows. The heap starts after the loader
# (0x7d000000) at a random offset of up to 1 GB, so now and then it began just
# below the shared user data's fixed place (0x7ffe0000) and grew into it, and the
# start ended at once with exit code 1 ("failed to map the shared user data",
# printed only with Wine's err channel on): seen once in about 2,300 starts.
# Without randomization the heap starts 48 MB below that place.
exec setarch -R /usr/lib/wine/wine64 "$@"
