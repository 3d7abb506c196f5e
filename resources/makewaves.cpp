// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

// Writes the default alarm and stop sounds as 16-bit mono PCM wave files, so a fresh build is
// heard without the user supplying any: makewaves <folder>.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

void put16(std::ofstream& out, std::uint16_t value) {
    out.put(static_cast<char>(value & 0xFF));
    out.put(static_cast<char>(value >> 8));
}

void put32(std::ofstream& out, std::uint32_t value) {
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

bool writeWave(const std::string& path, const std::vector<double>& samples) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const auto bytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + bytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, kRate);
    put32(out, kRate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, bytes);
    for (double sample : samples)
        put16(out,
              static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(sample * 30000))));
    return static_cast<bool>(out);
}

// A tone sweeping from one frequency to another, with short fades so it starts and ends
// without a click.
void tone(std::vector<double>& samples, double seconds, double fromHz, double toHz) {
    const int count = static_cast<int>(seconds * kRate);
    const int fade = kRate / 200;
    double phase = 0;
    for (int i = 0; i < count; ++i) {
        const double hz = fromHz + (toHz - fromHz) * i / count;
        phase += 2 * kPi * hz / kRate;
        const double envelope = std::min({1.0, double(i) / fade, double(count - i) / fade});
        samples.push_back(0.8 * envelope * std::sin(phase));
    }
}

void silence(std::vector<double>& samples, double seconds) {
    samples.insert(samples.end(), static_cast<std::size_t>(seconds * kRate), 0.0);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makewaves <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    std::vector<double> alarm;
    for (int beep = 0; beep < 3; ++beep) {
        tone(alarm, 0.15, 880, 880);
        silence(alarm, 0.08);
        tone(alarm, 0.15, 1175, 1175);
        silence(alarm, 0.12);
    }
    std::vector<double> stop;
    tone(stop, 0.18, 1500, 600);
    if (!writeWave(folder + "/alarm.wav", alarm) || !writeWave(folder + "/stop.wav", stop)) {
        std::fprintf(stderr, "makewaves: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
