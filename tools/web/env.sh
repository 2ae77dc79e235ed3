# SPDX-License-Identifier: MIT
# Sourced by the web scripts: what Debian's emscripten needs from the
# environment. Its drivers run "python3" from PATH, which may be another
# Python (pyenv); its optimiser runs on the node on PATH, which may be another
# node than Debian's and then needs Debian's acorn.
export EMSDK_PYTHON=/usr/bin/python3
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
