#include "Score.h"

#include "Instruments.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>

namespace synth {
namespace {

int PitchClass(char letter)
{
    switch (letter) {
    case 'C': return 0; case 'D': return 2; case 'E': return 4; case 'F': return 5;
    case 'G': return 7; case 'A': return 9; case 'B': return 11;
    }
    return -1;
}

// Reads a pitch class with its accidental from the front of `s`; returns characters used or 0.
std::size_t ReadPitchClass(const std::string& s, int& pc)
{
    if (s.empty() || PitchClass(s[0]) < 0) return 0;
    pc = PitchClass(s[0]);
    std::size_t used = 1;
    if (s.size() > 1 && (s[1] == '#' || s[1] == 'b')) {
        pc += s[1] == '#' ? 1 : -1;
        used = 2;
    }
    pc = (pc + 12) % 12;
    return used;
}

const std::map<std::string, std::vector<int>>& Qualities()
{
    static const std::map<std::string, std::vector<int>> table = {
        {"", {0, 4, 7}},         {"m", {0, 3, 7}},        {"7", {0, 4, 7, 10}},   {"maj7", {0, 4, 7, 11}},
        {"m7", {0, 3, 7, 10}},   {"sus4", {0, 5, 7}},     {"sus2", {0, 2, 7}},    {"dim", {0, 3, 6}},
        {"add9", {0, 4, 7, 14}}, {"m9", {0, 3, 7, 10, 14}}, {"6", {0, 4, 7, 9}},  {"m6", {0, 3, 7, 9}},
        {"aug", {0, 4, 8}},      {"9", {0, 4, 7, 10, 14}}, {"7sus4", {0, 5, 7, 10}}, {"maj9", {0, 4, 7, 11, 14}},
    };
    return table;
}

std::vector<std::string> Split(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// "token:beats" → token and beats.
bool SplitTimed(const std::string& token, std::string& head, double& beats)
{
    auto colon = token.rfind(':');
    if (colon == std::string::npos) return false;
    head = token.substr(0, colon);
    try {
        beats = std::stod(token.substr(colon + 1));
    } catch (...) {
        return false;
    }
    return beats > 0.0 && beats <= 64.0;
}

// Semitones above the chord root for a pattern degree ("1", "3", "5", "7", "8", "9", "10", "12", "-5").
bool DegreeOffset(const std::string& degree, const Chord& chord, int& offset)
{
    const auto& iv = chord.intervals;
    if (degree == "1" || degree == "R") offset = chord.bass >= 0 ? ((chord.bass - chord.root + 12) % 12) - (chord.bass != chord.root ? 12 : 0) : 0;
    else if (degree == "3") offset = iv[1];
    else if (degree == "5") offset = iv[2];
    else if (degree == "7") offset = iv.size() > 3 && iv[3] < 12 ? iv[3] : 12;
    else if (degree == "8") offset = 12;
    else if (degree == "9") offset = 14;
    else if (degree == "10") offset = iv[1] + 12;
    else if (degree == "12") offset = iv[2] + 12;
    else if (degree == "-5") offset = iv[2] - 12;
    else if (degree == "-3") offset = iv[1] - 12;
    else return false;
    return true;
}

struct ChordSpan {
    Chord chord;
    double start = 0.0, beats = 0.0;
};

struct Section {
    std::vector<ChordSpan> chords;
    double length = 0.0;
    std::vector<std::pair<int, std::vector<std::string>>> lines;  // track index, words
    int lineNumber = 0;
};

class Parser {
public:
    Parser(Score& score, std::string& error) : score(score), error(error) {}

    bool Run(const std::string& text)
    {
        std::istringstream in(text);
        std::string line;
        Section* current = nullptr;
        std::vector<std::string> order;
        while (std::getline(in, line)) {
            ++lineNo;
            // A comment starts with a '#' that begins a word ("F#5" is a note, not a comment).
            for (std::size_t i = 0; i < line.size(); ++i) {
                if (line[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(line[i - 1])))) {
                    line.erase(i);
                    break;
                }
            }
            auto words = Split(line);
            if (words.empty()) continue;
            const std::string& key = words[0];
            if (key == "tempo" && words.size() == 2) score.tempo = std::stod(words[1]);
            else if (key == "meter" && words.size() == 2) score.meter = std::stoi(words[1]);
            else if (key == "room" && words.size() == 3) {
                score.reverbRoom = std::stof(words[1]);
                score.reverbDamp = std::stof(words[2]);
            } else if (key == "track") {
                if (!AddTrack(words)) return false;
            } else if (key == "section" && words.size() == 2) {
                current = &sections[words[1]];
                current->lineNumber = lineNo;
            } else if (key == "order") {
                order.assign(words.begin() + 1, words.end());
            } else if (!current) {
                return Fail("'" + key + "' outside a section");
            } else if (key == "chords") {
                if (!AddChords(*current, words)) return false;
            } else {
                int track = FindTrack(key);
                if (track < 0) return Fail("unknown track '" + key + "'");
                AddLine(*current, track, std::vector<std::string>(words.begin() + 1, words.end()));
            }
        }
        if (score.tempo < 20 || score.tempo > 300 || score.meter < 1) return Fail("bad tempo or meter");
        if (order.empty()) return Fail("no 'order' line");
        for (const auto& name : order) {
            auto found = sections.find(name);
            if (found == sections.end()) return Fail("order names unknown section '" + name + "'");
            if (!Expand(found->second, score.totalBeats)) return false;
            score.totalBeats += found->second.length;
        }
        return true;
    }

private:
    bool Fail(const std::string& why)
    {
        error = "line " + std::to_string(lineNo) + ": " + why;
        return false;
    }

    int FindTrack(const std::string& name) const
    {
        for (std::size_t i = 0; i < score.tracks.size(); ++i)
            if (score.tracks[i].name == name) return static_cast<int>(i);
        return -1;
    }

    static bool IsMode(const std::vector<std::string>& words)
    {
        return !words.empty() && (words[0] == "pattern" || words[0] == "stab" || words[0] == "chord");
    }

    // A melody may run over several lines: later lines of the same track continue it.
    void AddLine(Section& s, int track, std::vector<std::string> words)
    {
        if (!IsMode(words) && !score.tracks[track].drum) {
            for (auto& [t, existing] : s.lines) {
                if (t == track && !IsMode(existing)) {
                    existing.insert(existing.end(), words.begin(), words.end());
                    return;
                }
            }
        }
        s.lines.push_back({track, std::move(words)});
    }

    // track NAME INSTRUMENT [vol V] [pan P] [rev R] [vel V] [oct O] [wide]
    bool AddTrack(const std::vector<std::string>& w)
    {
        if (w.size() < 3) return Fail("track needs a name and an instrument");
        Track t;
        t.name = w[1];
        t.instrument = w[2];
        t.drum = IsDrum(t.instrument);
        if (!t.drum && !IsInstrument(t.instrument)) return Fail("unknown instrument '" + t.instrument + "'");
        for (std::size_t i = 3; i < w.size(); ++i) {
            if (w[i] == "wide") { t.wide = true; continue; }
            if (i + 1 >= w.size()) return Fail("track option '" + w[i] + "' needs a value");
            float v = std::stof(w[++i]);
            const std::string& k = w[i - 1];
            if (k == "vol") t.volume = v;
            else if (k == "pan") t.pan = v;
            else if (k == "rev") t.reverb = v;
            else if (k == "vel") t.velocity = v;
            else if (k == "oct") t.octave = static_cast<int>(v);
            else return Fail("unknown track option '" + k + "'");
        }
        score.tracks.push_back(t);
        return true;
    }

    bool AddChords(Section& s, const std::vector<std::string>& w)
    {
        for (std::size_t i = 1; i < w.size(); ++i) {
            if (w[i] == "|") continue;
            ChordSpan span;
            std::string symbol;
            if (!SplitTimed(w[i], symbol, span.beats) || !ParseChord(symbol, span.chord))
                return Fail("bad chord '" + w[i] + "'");
            span.start = s.length;
            s.length += span.beats;
            s.chords.push_back(span);
        }
        return true;
    }

    void Emit(int track, double beat, double beats, float midi, float vel)
    {
        score.notes.push_back(NoteEvent{track, beat, beats, midi, vel});
    }

    std::vector<int> Voicing(const Chord& chord, int octave) const
    {
        // Close voicing from G of the octave up: clear of the bass, under the melody.
        int base = 12 * (octave + 1) + 7;
        std::vector<int> notes;
        for (int iv : chord.intervals) {
            int n = chord.root + iv;
            while (n < base) n += 12;
            while (n >= base + 12) n -= 12;
            notes.push_back(n);
        }
        return notes;
    }

    bool Expand(const Section& s, double offset)
    {
        lineNo = s.lineNumber;
        if (s.chords.empty()) return Fail("section without chords");
        for (const auto& [track, words] : s.lines) {
            const Track& t = score.tracks[track];
            bool ok = t.drum ? ExpandDrums(s, offset, track, words)
                    : !words.empty() && words[0] == "pattern" ? ExpandPattern(s, offset, track, words, false)
                    : !words.empty() && words[0] == "stab" ? ExpandPattern(s, offset, track, words, true)
                    : !words.empty() && words[0] == "chord" ? ExpandHeld(s, offset, track)
                    : ExpandMelody(s, offset, track, words);
            if (!ok) return false;
        }
        return true;
    }

    bool ExpandDrums(const Section& s, double offset, int track, const std::vector<std::string>& words)
    {
        // Steps are written in groups; "GROUP*N" repeats a group N times.
        std::string steps;
        for (const auto& w : words) {
            auto star = w.find('*');
            int times = 1;
            if (star != std::string::npos) {
                times = std::atoi(w.c_str() + star + 1);
                if (times < 1 || times > 256) return Fail("bad repeat in '" + w + "'");
            }
            for (int i = 0; i < times; ++i) steps += w.substr(0, star);
        }
        if (steps.empty()) return Fail("empty drum line");
        const double stepBeats = 0.25;
        const float base = score.tracks[track].velocity;
        for (int i = 0; i * stepBeats < s.length - 1e-9; ++i) {
            char c = steps[i % steps.size()];
            float vel = c == 'X' ? 1.0f : c == 'x' ? 0.75f : c == 'o' ? 0.45f : 0.0f;
            if (c != '.' && vel == 0.0f) return Fail(std::string("bad drum step '") + c + "'");
            if (vel > 0.0f) Emit(track, offset + i * stepBeats, stepBeats, 0.0f, vel * base);
        }
        return true;
    }

    bool ExpandHeld(const Section& s, double offset, int track)
    {
        const Track& t = score.tracks[track];
        for (const auto& span : s.chords)
            for (int n : Voicing(span.chord, t.octave)) Emit(track, offset + span.start, span.beats, n, t.velocity);
        return true;
    }

    // Chord-relative patterns restart at every chord change, so one bar of pattern fits any chord.
    bool ExpandPattern(const Section& s, double offset, int track, const std::vector<std::string>& words, bool stab)
    {
        const Track& t = score.tracks[track];
        std::vector<std::pair<std::string, double>> steps;
        double cycle = 0.0;
        for (std::size_t i = 1; i < words.size(); ++i) {
            std::string head;
            double beats = 0;
            if (!SplitTimed(words[i], head, beats)) return Fail("bad pattern step '" + words[i] + "'");
            steps.push_back({head, beats});
            cycle += beats;
        }
        if (steps.empty()) return Fail("empty pattern");
        for (const auto& span : s.chords) {
            double at = 0.0;
            for (std::size_t k = 0; at < span.beats - 1e-9; k = (k + 1) % steps.size()) {
                auto [head, beats] = steps[k];
                double len = std::min(beats, span.beats - at);
                bool accent = !head.empty() && head.back() == '!';
                if (accent) head.pop_back();
                float vel = t.velocity * (accent ? 1.25f : 1.0f);
                if (head == "r") {
                } else if (stab) {
                    if (head != "x") return Fail("stab steps are 'x' or 'r'");
                    for (int n : Voicing(span.chord, t.octave)) Emit(track, offset + span.start + at, len, n, vel);
                } else {
                    int semis = 0;
                    if (!DegreeOffset(head, span.chord, semis)) return Fail("bad degree '" + head + "'");
                    Emit(track, offset + span.start + at, len, 12 * (t.octave + 1) + span.chord.root + semis, vel);
                }
                at += beats;
            }
        }
        return true;
    }

    void NoteClash(const Section& s, double at, int midi, const std::string& track)
    {
        if (std::fabs(at - std::round(at)) > 1e-6) return;
        for (const auto& span : s.chords) {
            if (at < span.start - 1e-9 || at >= span.start + span.beats - 1e-9) continue;
            for (int iv : span.chord.intervals)
                if ((span.chord.root + iv) % 12 == midi % 12) return;
            score.clashes.push_back(track + " at beat " + std::to_string(static_cast<int>(at)) + " of the section on line " +
                                    std::to_string(s.lineNumber));
            return;
        }
    }

    bool ExpandMelody(const Section& s, double offset, int track, const std::vector<std::string>& words)
    {
        const Track& t = score.tracks[track];
        double at = 0.0;
        std::size_t last = 0;  // index + 1 of the note a '~' extends
        for (const auto& w : words) {
            if (w == "|") continue;
            std::string head;
            double beats = 0;
            if (!SplitTimed(w, head, beats)) return Fail("bad note '" + w + "'");
            float vel = t.velocity;
            if (!head.empty() && head.back() == '!') { vel *= 1.25f; head.pop_back(); }
            if (!head.empty() && head.back() == '?') { vel *= 0.7f; head.pop_back(); }
            int midi = 0;
            if (head == "~") {
                if (!last) return Fail("'~' with no note before it");
                score.notes[last - 1].beats += beats;
            } else if (head == "r") {
                last = 0;
            } else if (ParseNoteName(head, midi)) {
                Emit(track, offset + at, beats, midi, vel);
                NoteClash(s, at, midi, t.name);
                last = score.notes.size();
            } else {
                return Fail("bad note '" + w + "'");
            }
            at += beats;
        }
        if (std::fabs(at - s.length) > 1e-6)
            return Fail("melody of '" + t.name + "' lasts " + std::to_string(at) + " beats, its section " +
                        std::to_string(s.length));
        return true;
    }

    Score& score;
    std::string& error;
    std::map<std::string, Section> sections;
    int lineNo = 0;
};

}  // namespace

bool ParseChord(const std::string& symbol, Chord& out)
{
    out = Chord{};
    std::string body = symbol;
    if (auto slash = body.find('/'); slash != std::string::npos) {
        if (ReadPitchClass(body.substr(slash + 1), out.bass) != body.size() - slash - 1) return false;
        body.erase(slash);
    }
    std::size_t used = ReadPitchClass(body, out.root);
    if (!used) return false;
    auto quality = Qualities().find(body.substr(used));
    if (quality == Qualities().end()) return false;
    out.intervals = quality->second;
    return true;
}

bool ParseNoteName(const std::string& name, int& midi)
{
    int pc = 0;
    std::size_t used = ReadPitchClass(name, pc);
    (void)pc;
    if (!used || used >= name.size()) return false;
    std::string octave = name.substr(used);
    if (octave.size() != 1 || octave[0] < '0' || octave[0] > '8') return false;
    // "B#" and "Cb" cross the octave line; the letter's own octave is meant.
    int letter = PitchClass(name[0]);
    int shift = (letter + (used == 2 ? (name[1] == '#' ? 1 : -1) : 0));
    midi = 12 * (octave[0] - '0' + 1) + shift;
    return true;
}

bool ParseScore(const std::string& text, Score& out, std::string& error)
{
    out = Score{};
    try {
        Parser parser(out, error);
        if (!parser.Run(text)) return false;
    } catch (const std::exception&) {
        error = "a number could not be read";
        return false;
    }
    return true;
}

}  // namespace synth
