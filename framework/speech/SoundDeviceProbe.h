#pragma once
// Whether this machine looks able to play sound: a sound card, or a running
// PulseAudio or PipeWire server. Used to speak silently instead of letting
// the audio library fail (noisily, on stderr) on every utterance.
bool soundOutputLooksAvailable();
