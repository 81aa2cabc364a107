#pragma once
#include <array>
#include <string_view>

namespace testsupport {

// The 128 General MIDI level 1 programs in program order, in the wording
// the Sound page shows (program 0 is the standard's program 1). Written out
// here rather than taken from the resources, so a swapped pair fails.
inline constexpr std::array<std::string_view, 128> kGeneralMidiNames{
    "Piano", "Bright Acoustic Piano", "Electric Grand Piano", "Honky-Tonk Piano", "Rhodes Piano",
    "Chorused Piano", "Harpsichord", "Clavinet", "Celesta", "Glockenspiel", "Music Box", "Vibraphone",
    "Marimba", "Xylophone", "Tubular Bells", "Dulcimer", "Hammond Organ", "Percussive Organ", "Rock Organ",
    "Church Organ", "Reed Organ", "Accordion", "Harmonica", "Tango Accordion", "Acoustic Nylon Guitar",
    "Acoustic Steel Guitar", "Electric Jazz Guitar", "Electric Clean Guitar", "Electric Muted Guitar",
    "Overdriven Guitar", "Distortion Guitar", "Guitar Harmonics", "Acoustic Bass", "Electric Bass Fingered",
    "Electric Bass Picked", "Fretless Bass", "Slap Bass 1", "Slap Bass 2", "Synth Bass 1", "Synth Bass 2",
    "Violin", "Viola", "Cello", "Contrabass", "Tremolo Strings", "Pizzicato Strings", "Orchestral Harp",
    "Timpani", "String Ensemble 1", "String Ensemble 2", "Synth Strings 1", "Synth Strings 2", "Choir Aahs",
    "Voice Oohs", "Synth Voice", "Orchestral Hit", "Trumpet", "Trombone", "Tuba", "Muted Trumpet",
    "French Horn", "Brass Section", "Synth Brass 1", "Synth Brass 2", "Soprano Sax", "Alto Sax", "Tenor Sax",
    "Baritone Sax", "Oboe", "English Horn", "Bassoon", "Clarinet", "Piccolo", "Flute", "Recorder", "Pan Flute",
    "Bottle Blow", "Shakuhachi", "Whistle", "Ocarina", "Synth Lead 1 Square Wave",
    "Synth Lead 2 Sawtooth Wave", "Synth Lead 3 Caliope", "Synth Lead 4 Chiff", "Synth Lead 5 Charang",
    "Synth Lead 6 Solo Synth Voice", "Synth Lead 7 Bright Saw Wave", "Synth Lead 8 Bass and Lead",
    "Synth Pad 1 Fantasia (New Age)", "Synth Pad 2 Warm", "Synth Pad 3 Poly Synth",
    "Synth Pad 4 Space Voice (choir)", "Synth Pad 5 Bowed Glass", "Synth Pad 6 Metal", "Synth Pad 7 Halo",
    "Synth Pad 8 Sweep", "Synth SFX 1 Ice Rain", "Synth SFX 2 Sound Track", "Synth SFX 3 Crystal",
    "Synth SFX 4 Atmosphere", "Synth SFX 5 Brightness", "Synth SFX 6 Goblins", "Synth SFX 7 Echo Drops",
    "Synth SFX 8 Star Theme", "Sitar", "Banjo", "Shamisen", "Koto", "Kalimba", "Bagpipe", "Fiddle", "Shanai",
    "Tinkle Bells", "Agogo", "Steel Drums", "Woodblock", "Taiko Drum", "Melodic Drum", "Synth Drum",
    "Reverse Cymbal", "Guitar Fret Noise", "Breath Noise", "Seashore", "Bird Tweet", "Telephone Ring",
    "Helicopter", "Applause", "Gunshot",
};

}  // namespace testsupport
