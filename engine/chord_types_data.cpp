// The 37 chord types: long name (two-character root field first), short name
// (one-character root field first), interval mask, and how a C#/Db, F#/Gb and
// G#/Ab root is written (0 flat, 1 both, 2 sharp).
#include "engine/chord_types.h"

namespace engine::detail {

constinit const std::array<ChordTypeRow, kChordTypeCount> kChordTypeRows = {{
    {"A  major", "A ", 0x091, 0, 1, 0},  // 0
    {"A  minor", "Am ", 0x089, 2, 1, 2},  // 1
    {"A  suspended", "Asus ", 0x0A1, 0, 1, 0},  // 2
    {"A  augmented", "A+ ", 0x111, 0, 1, 0},  // 3
    {"A  fifth", "A5 ", 0x081, 0, 1, 0},  // 4
    {"A  major diminished fifth", "A-5 ", 0x051, 0, 1, 0},  // 5
    {"A  major sixth", "A6 ", 0x291, 0, 1, 0},  // 6
    {"A  major sixth augmented fifth", "A6+5 ", 0x311, 2, 2, 2},  // 7
    {"A  major sixth add ninth", "A9/6 ", 0x295, 0, 1, 0},  // 8
    {"A  minor sixth", "Am6 ", 0x289, 2, 2, 2},  // 9
    {"A  minor sixth add ninth", "Am9/6 ", 0x28D, 2, 2, 2},  // 10
    {"A  sixth diminished fifth", "A6-5 ", 0x251, 2, 2, 2},  // 11
    {"A  seventh", "A7 ", 0x491, 0, 1, 0},  // 12
    {"A  minor seventh", "Am7 ", 0x489, 2, 2, 2},  // 13
    {"A  minor sharp seventh", "Am#7 ", 0x889, 2, 2, 0},  // 14
    {"A  minor seventh diminished fifth", "Am7-5", 0x449, 2, 2, 2},  // 15
    {"A  seventh suspended", "A7sus", 0x4A1, 0, 1, 0},  // 16
    {"A  diminished", "Adim", 0x249, 2, 2, 2},  // 17
    {"A  seventh augmented fifth", "A7+5", 0x511, 0, 0, 0},  // 18
    {"A  seventh diminished fifth", "A7-5", 0x451, 2, 2, 0},  // 19
    {"A  major seventh", "Amaj7", 0x891, 0, 0, 0},  // 20
    {"A  seventh minor ninth", "A7-9", 0x493, 0, 2, 0},  // 21
    {"A  seventh augmented ninth", "A7(#9)", 0x499, 0, 2, 0},  // 22
    {"A  seventh minor ninth augmented fifth", "A7-9/+5", 0x513, 0, 2, 0},  // 23
    {"A  ninth", "A9", 0x495, 0, 1, 0},  // 24
    {"A  minor ninth diminished fifth", "Am9-5", 0x44D, 2, 2, 2},  // 25
    {"A  minor ninth", "Am9", 0x48D, 2, 2, 2},  // 26
    {"A  ninth augmented fifth", "A9+5", 0x515, 0, 1, 0},  // 27
    {"A  9th diminished 5th", "A9-5", 0x455, 0, 1, 0},  // 28
    {"A  major ninth", "Amaj9", 0x895, 0, 0, 0},  // 29
    {"A  9th augmented 11th", "A9(#11)", 0x4D5, 0, 0, 0},  // 30
    {"A  minor ninth major seventh", "Am9(#7)", 0x88D, 2, 2, 2},  // 31
    {"A  eleventh", "A11", 0x4A5, 0, 2, 0},  // 32
    {"A  minor eleventh", "Am11", 0x4A9, 2, 2, 2},  // 33
    {"A  thirteenth", "A13", 0x695, 2, 2, 0},  // 34
    {"A  13th minor ninth", "A13-9", 0x693, 2, 2, 0},  // 35
    {"A  thirteenth minor ninth diminished 5th", "A13-9/-5", 0x653, 2, 2, 0},  // 36
}};

}  // namespace engine::detail
