// lorintal-make-sounds OUTDIR: synthesises the program's six sound cues as 16-bit mono WAV files
// in OUTDIR. Every sample is computed here, deterministically, so a build always makes the same
// files. Each cue is short and has a shape of its own, so the user can tell the events apart:
//   KeyBoard.wav  a soft tick for every key
//   Button3.wav   a rising two-note blip when the user's phrase goes out
//   Button2.wav   a falling two-note toggle for the layout converter
//   Button1.wav   a low wobbling rumble for the start-up shake
//   CpuSound.wav  a small bell when the program speaks
//   Close.wav     a long falling glide for the farewell

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

using Samples = std::vector<double>;

// A sound of `seconds` whose sample at time t is `wave(t)`, in -1..1.
Samples render(double seconds, const std::function<double(double)>& wave) {
    Samples samples(static_cast<std::size_t>(seconds * kRate));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = wave(static_cast<double>(i) / kRate);
    }
    return samples;
}

// Short fades at both ends, so no cue starts or stops with a click.
void fadeEnds(Samples& samples, double seconds = 0.004) {
    const auto ramp = std::min(samples.size() / 2, static_cast<std::size_t>(seconds * kRate));
    for (std::size_t i = 0; i < ramp; ++i) {
        const double gain = static_cast<double>(i) / static_cast<double>(ramp);
        samples[i] *= gain;
        samples[samples.size() - 1 - i] *= gain;
    }
}

// A note that starts at once and dies away.
double pluck(double t, double frequency, double decay) {
    return std::sin(kTwoPi * frequency * t) * std::exp(-t * decay);
}

// Noise that is the same on every build.
class Noise {
public:
    double next() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
    }

private:
    std::uint32_t state_ = 20240611u;
};

Samples keyTick() {
    Noise noise;
    double low = 0.0;
    return render(0.035, [&](double t) {
        low += 0.35 * (noise.next() - low); // softened noise
        return 0.5 * low * std::exp(-t * 160.0) + 0.25 * pluck(t, 1800.0, 220.0);
    });
}

Samples twoNotes(double first, double second, double noteLength, double volume) {
    return render(2 * noteLength, [=](double t) {
        const bool secondNote = t >= noteLength;
        const double local = secondNote ? t - noteLength : t;
        const double f = secondNote ? second : first;
        return volume * (0.8 * pluck(local, f, 18.0) + 0.2 * pluck(local, 2 * f, 30.0));
    });
}

Samples rumble() {
    double phase = 0.0;
    return render(0.45, [&](double t) {
        const double frequency = 95.0 + 25.0 * std::sin(kTwoPi * 14.0 * t);
        phase += kTwoPi * frequency / kRate;
        const double body = std::sin(phase) + 0.35 * std::sin(2.0 * phase);
        const double envelope = std::min(1.0, t * 30.0) * std::exp(-t * 3.5);
        return 0.45 * body * envelope;
    });
}

Samples bell() {
    return render(0.5, [](double t) {
        return 0.45 * pluck(t, 1318.5, 9.0) + 0.2 * pluck(t, 1318.5 * 2.76, 16.0) +
               0.12 * pluck(t, 1318.5 * 5.4, 28.0) + 0.15 * pluck(t, 659.25, 7.0);
    });
}

Samples glide() {
    double phase = 0.0;
    constexpr double kSeconds = 0.7;
    return render(kSeconds, [&](double t) {
        const double frequency = 880.0 * std::pow(0.25, t / kSeconds); // two octaves down
        phase += kTwoPi * frequency / kRate;
        const double envelope = std::min(1.0, t * 40.0) * (1.0 - t / kSeconds);
        return 0.4 * (std::sin(phase) + 0.3 * std::sin(3.0 * phase)) * envelope;
    });
}

void putLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

std::string waveFile(const Samples& samples) {
    std::string data;
    for (const double sample : samples) {
        const double clamped = std::max(-1.0, std::min(1.0, sample));
        const auto value = static_cast<std::int16_t>(std::lround(clamped * 32767.0));
        putLittleEndian(data, static_cast<std::uint16_t>(value), 2);
    }
    std::string out = "RIFF";
    putLittleEndian(out, static_cast<std::uint32_t>(36 + data.size()), 4);
    out += "WAVEfmt ";
    putLittleEndian(out, 16, 4);
    putLittleEndian(out, 1, 2); // PCM
    putLittleEndian(out, 1, 2); // mono
    putLittleEndian(out, kRate, 4);
    putLittleEndian(out, kRate * 2, 4); // bytes a second
    putLittleEndian(out, 2, 2);         // bytes a frame
    putLittleEndian(out, 16, 2);        // bits a sample
    out += "data";
    putLittleEndian(out, static_cast<std::uint32_t>(data.size()), 4);
    return out + data;
}

bool write(const std::filesystem::path& file, Samples samples) {
    fadeEnds(samples);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    const std::string bytes = waveFile(samples);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: lorintal-make-sounds OUTDIR\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const std::pair<const char*, Samples> cues[] = {
        {"KeyBoard.wav", keyTick()},
        {"Button3.wav", twoNotes(660.0, 880.0, 0.055, 0.5)},
        {"Button2.wav", twoNotes(784.0, 523.25, 0.06, 0.45)},
        {"Button1.wav", rumble()},
        {"CpuSound.wav", bell()},
        {"Close.wav", glide()},
    };
    for (const auto& [name, samples] : cues) {
        if (!write(folder / name, samples)) {
            std::cerr << "lorintal-make-sounds: cannot write " << (folder / name).string() << '\n';
            return 1;
        }
    }
    return 0;
}
