# What every script that drives Wine shares: the quiet, prompt-free Wine
# environment, Wine's view of a Unix path, and the saver's settings key.
# Sourced by the run, benchmark and test scripts.

# No debug chatter, no Mono/Gecko prompts, no menu entries, and no debugger that
# could hang a crashed program for an hour.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"

# The path as Wine's programs see it (the Unix root is drive Z:).
winpath() { printf 'Z:%s' "${1//\//\\}"; }

settings_key='Software\VB and VBA Program Settings\Orvane Velmora Screen Saver\Config'
