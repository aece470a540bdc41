# Loaded by Orca from its settings folder: its debug log is written line by line,
# so a test reads each utterance as it is said.
import orca.debug

if orca.debug.debugFile is not None:
    orca.debug.debugFile.reconfigure(line_buffering=True)
