"""A speech server for Orca that makes no sound, chosen in the test's Orca
settings (speechServerFactory). Speech-dispatcher without a sound device hangs,
and Orca with it. Orca logs every utterance before it reaches a server; this one
adds what a real voice would not have finished: it keeps a queue spoken at
espeak-ng's default rate, and each time Orca stops speech (it does on every key)
it logs the part still unsaid as SPEECH CUT."""

import time

from orca import debug, speechserver

# espeak-ng's default rate, 175 words a minute, in characters a second.
CHARACTERS_A_SECOND = 14.0


class SpeechServer(speechserver.SpeechServer):
    _server = None

    @staticmethod
    def getFactoryName():
        return "Silent"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if SpeechServer._server is None:
            SpeechServer._server = SpeechServer()
        return SpeechServer._server

    @staticmethod
    def shutdownActiveServers():
        pass

    def __init__(self):
        super().__init__()
        self.queue = []  # (start, end, text) in time.monotonic() seconds

    def getInfo(self):
        return ["Silent", "silent"]

    def getVoiceFamilies(self):
        return []

    def _say(self, text):
        now = time.monotonic()
        start = max([now] + [end for _, end, _ in self.queue])
        self.queue.append((start, start + len(text) / CHARACTERS_A_SECOND, text))

    def speak(self, text=None, acss=None, interrupt=True):
        if text:
            self._say(text)

    def speakCharacter(self, character, acss=None):
        self._say(character)

    def speakKeyEvent(self, event, acss=None):
        self._say(getattr(event, "event_string", ""))

    def sayAll(self, utteranceIterator, progressCallback):
        context = None
        for context, _ in utteranceIterator:
            debug.println(debug.LEVEL_INFO, "SPEECH OUTPUT: '%s'" % context.utterance, True)
            self._say(context.utterance)
            progressCallback(context, speechserver.SayAllContext.PROGRESS)
        if context is not None:
            progressCallback(context, speechserver.SayAllContext.COMPLETED)

    def stop(self):
        now = time.monotonic()
        for start, end, text in self.queue:
            if end > now and text.strip():
                said = 0 if now <= start else int(len(text) * (now - start) / (end - start))
                debug.println(debug.LEVEL_INFO, "SPEECH CUT: '%s'" % text[said:], True)
        self.queue = []

    def shutdown(self):
        self.queue = []

    def reset(self, text=None, acss=None):
        self.queue = []
