#pragma once
// A piece of music as text: tempo, tracks (instrument, level, pan, reverb send), sections made of
// chords, melodies, chord-relative patterns and drum step strings, and the order of sections.
//
//   tempo 120                      beats per minute          meter 4     beats per bar
//   room 0.6 0.4                   reverb size and damping   # ...       a comment
//   track NAME INSTRUMENT [vol V] [pan P] [rev SEND] [vel V] [oct O] [wide]
//   section NAME                   then, until the next section:
//     chords Am7:4 D9:4 | ...      chord symbols with their length in beats; '|' is decoration
//     TRACK E5:1 r:0.5 G5!:0.5 ~:1 a melody: notes, rests, '~' holds the previous note longer,
//                                  '!' accents, '?' softens; it must fill the section exactly
//     TRACK pattern 1:0.5 5:0.5 8:1  chord degrees (1 3 5 7 8 9 10 12 -3 -5, r rests), restarted
//                                  at every chord; "1" of a slash chord is its bass note
//     TRACK stab x:0.5 r:0.5       the whole chord voicing on each x
//     TRACK chord                  the voicing held for each chord's length
//     DRUM x.o.X... ....*3         sixteenth-note steps (X loud, x normal, o soft, . rest),
//                                  "GROUP*N" repeats a group, the line cycles over the section
//   order A B A                    the sections in playing order; the whole loops
#include <string>
#include <vector>

namespace synth {

struct Track {
    std::string name;
    std::string instrument;
    float volume = 0.5f;
    float pan = 0.0f;
    float reverb = 0.2f;
    float velocity = 0.8f;
    int octave = 4;      // octave of patterns and chord voicings
    bool wide = false;   // doubled, detuned and spread across the stereo field
    bool drum = false;
};

struct NoteEvent {
    int track = 0;
    double beat = 0.0;   // start, in beats from the start of the piece
    double beats = 0.0;  // held length in beats
    float midi = 0.0f;   // pitch; ignored by drums
    float velocity = 0.0f;
};

struct Score {
    double tempo = 120.0;  // beats per minute
    int meter = 4;         // beats per bar
    float reverbRoom = 0.6f;
    float reverbDamp = 0.4f;
    std::vector<Track> tracks;
    std::vector<NoteEvent> notes;
    double totalBeats = 0.0;
    // Melody notes that start on a beat but are not tones of the chord under them: a few are
    // passing notes, many mean a wrong note or chord.
    std::vector<std::string> clashes;
};

// Parses a score; on failure returns false with the line number and reason in `error`.
bool ParseScore(const std::string& text, Score& out, std::string& error);

// Chord symbol ("Am7", "Bbmaj7", "D/F#") to root pitch class, intervals and optional bass class.
struct Chord {
    int root = 0;
    std::vector<int> intervals;
    int bass = -1;
};
bool ParseChord(const std::string& symbol, Chord& out);
// Note name ("C#5", "Bb3") to a MIDI number.
bool ParseNoteName(const std::string& name, int& midi);

}  // namespace synth
