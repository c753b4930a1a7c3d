// A sound library and the two effect libraries that record every call with
// its arguments instead of making sound. Results are scripted per operation
// name (`Script("FSOUND_Init", {0})`); unscripted operations answer as a
// healthy library would: true, 0, fresh handles, and the frequency, pan,
// volume and DSP state last set. Single-threaded tests only.
#pragma once

#include "sound/EffectLibrary.h"
#include "sound/PitchLibrary.h"
#include "sound/SoundLibrary.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace vantor::test {

struct RecordedCall {
    std::string name;
    std::vector<std::string> args; // each argument as text ("1", "0.15", "true", "\"a.mp3\"")
    std::string Text() const {
        std::string text = name + "(";
        for (std::size_t i = 0; i < args.size(); ++i) {
            text += (i == 0 ? "" : ", ") + args[i];
        }
        return text + ")";
    }
    bool operator==(const RecordedCall&) const = default;
};

// The call log and the scripted results shared by the three fakes, so one
// log shows the order of calls across the libraries.
class CallRecorder {
public:
    std::vector<RecordedCall> calls;

    // The next results of `name`, consumed in order; the last one repeats.
    void Script(const std::string& name, std::initializer_list<double> results) {
        m_scripts[name] = std::deque<double>(results);
    }
    // Every call as "Name(arg, arg)", in order.
    std::vector<std::string> Log() const {
        std::vector<std::string> log;
        for (const auto& call : calls) {
            log.push_back(call.Text());
        }
        return log;
    }
    // The calls whose name starts with `prefix`, as text.
    std::vector<std::string> LogOf(const std::string& prefix) const {
        std::vector<std::string> log;
        for (const auto& call : calls) {
            if (call.name.rfind(prefix, 0) == 0) {
                log.push_back(call.Text());
            }
        }
        return log;
    }
    int CountOf(const std::string& name) const {
        return static_cast<int>(std::count_if(
            calls.begin(), calls.end(), [&](const RecordedCall& c) { return c.name == name; }));
    }

    template <typename... Args>
    void Record(const std::string& name, const Args&... args) {
        calls.push_back({name, {Arg(args)...}});
    }
    double Result(const std::string& name, double otherwise) {
        auto it = m_scripts.find(name);
        if (it == m_scripts.end() || it->second.empty()) {
            return otherwise;
        }
        double value = it->second.front();
        if (it->second.size() > 1) {
            it->second.pop_front();
        }
        return value;
    }

private:
    static std::string Arg(const std::string& s) { return "\"" + s + "\""; }
    static std::string Arg(const char* s) { return Arg(std::string(s)); }
    static std::string Arg(bool b) { return b ? "true" : "false"; }
    static std::string Arg(char c) { return std::string("'") + c + "'"; }
    static std::string Arg(const void* p) { return p == nullptr ? "null" : "ptr"; }
    template <typename T>
    static std::string Arg(const T& value) {
        std::ostringstream out;
        out << value;
        return out.str();
    }

    std::map<std::string, std::deque<double>> m_scripts;
};

class FakeSoundLibrary : public SoundLibrary {
public:
    explicit FakeSoundLibrary(CallRecorder& recorder) : m_rec(recorder) {}

    // Values the queries return (not calls, so tests set them directly).
    std::vector<std::string> driverNames{"Default"};
    std::map<SongHandle, std::string> songNames;
    std::map<std::string, std::string> tagFields; // name -> value
    Spectrum spectrum{};
    std::map<DspUnitHandle, DspCallback> dspCallbacks;
    std::map<DspUnitHandle, void*> dspUserValues;

    bool FSOUND_SetOutput(std::int32_t o) override { return Bool("FSOUND_SetOutput", o); }
    bool FSOUND_SetDriver(std::int32_t d) override { return Bool("FSOUND_SetDriver", d); }
    bool FSOUND_SetMixer(std::int32_t m) override { return Bool("FSOUND_SetMixer", m); }
    bool FSOUND_Stream_SetBufferSize(std::int32_t ms) override {
        return Bool("FSOUND_Stream_SetBufferSize", ms);
    }
    bool FSOUND_Init(std::int32_t rate, std::int32_t channels, std::uint32_t flags) override {
        m_frequency[FSOUND_SYSTEMCHANNEL] = rate;
        return Bool("FSOUND_Init", rate, channels, flags);
    }
    void FSOUND_Close() override { m_rec.Record("FSOUND_Close"); }
    std::int32_t FSOUND_GetError() override { return Int("FSOUND_GetError", 0); }
    float FSOUND_GetVersion() override {
        m_rec.Record("FSOUND_GetVersion");
        return static_cast<float>(m_rec.Result("FSOUND_GetVersion", 3.75));
    }

    std::int32_t FSOUND_GetNumDrivers() override {
        return Int("FSOUND_GetNumDrivers", static_cast<double>(driverNames.size()));
    }
    std::string FSOUND_GetDriverName(std::int32_t d) override {
        m_rec.Record("FSOUND_GetDriverName", d);
        return d >= 0 && d < static_cast<std::int32_t>(driverNames.size()) ? driverNames[d] : "";
    }
    std::int32_t FSOUND_GetDriver() override { return Int("FSOUND_GetDriver", 0); }
    std::int32_t FSOUND_GetOutput() override { return Int("FSOUND_GetOutput", 0); }
    std::int32_t FSOUND_GetMixer() override { return Int("FSOUND_GetMixer", kMixerFloat); }
    std::int32_t FSOUND_GetOutputRate() override { return Int("FSOUND_GetOutputRate", 44100); }
    std::int32_t FSOUND_GetChannelsPlaying() override {
        return Int("FSOUND_GetChannelsPlaying", 0);
    }

    bool FSOUND_SetVolume(std::int32_t c, std::int32_t v) override {
        m_volume[c] = v;
        return Bool("FSOUND_SetVolume", c, v);
    }
    // Not recorded: the player sets it on every start, and the call lists
    // the tests expect leave it out; the harness tests hear it instead.
    bool SetChannelGain(std::int32_t, float) override { return true; }
    bool FSOUND_SetPan(std::int32_t c, std::int32_t p) override {
        m_pan[c] = p;
        return Bool("FSOUND_SetPan", c, p);
    }
    bool FSOUND_SetPaused(std::int32_t c, bool p) override {
        m_paused[c] = p;
        return Bool("FSOUND_SetPaused", c, p);
    }
    bool FSOUND_GetPaused(std::int32_t c) override {
        m_rec.Record("FSOUND_GetPaused", c);
        return m_rec.Result("FSOUND_GetPaused", m_paused[c] ? 1 : 0) != 0;
    }
    bool FSOUND_SetFrequency(std::int32_t c, std::int32_t f) override {
        m_frequency[c] = f;
        return Bool("FSOUND_SetFrequency", c, f);
    }
    std::int32_t FSOUND_GetFrequency(std::int32_t c) override {
        m_rec.Record("FSOUND_GetFrequency", c);
        return static_cast<std::int32_t>(m_rec.Result("FSOUND_GetFrequency", m_frequency[c]));
    }
    bool FSOUND_IsPlaying(std::int32_t c) override { return Bool("FSOUND_IsPlaying", c); }
    std::int32_t VolumeOf(std::int32_t c) { return m_volume[c]; }
    std::int32_t PanOf(std::int32_t c) { return m_pan[c]; }

    StreamHandle FSOUND_Stream_Open(const std::string& name, std::uint32_t mode,
                                    std::int32_t offset, std::int32_t length) override {
        m_rec.Record("FSOUND_Stream_Open", name, mode, offset, length);
        return static_cast<StreamHandle>(m_rec.Result("FSOUND_Stream_Open", ++m_lastHandle));
    }
    std::int32_t FSOUND_Stream_PlayEx(std::int32_t c, StreamHandle s, DspUnitHandle d,
                                      bool paused) override {
        m_rec.Record("FSOUND_Stream_PlayEx", c, s, d, paused);
        return static_cast<std::int32_t>(m_rec.Result("FSOUND_Stream_PlayEx", 0));
    }
    bool FSOUND_Stream_Stop(StreamHandle s) override { return Bool("FSOUND_Stream_Stop", s); }
    bool FSOUND_Stream_Close(StreamHandle s) override { return Bool("FSOUND_Stream_Close", s); }
    std::int32_t FSOUND_Stream_GetLength(StreamHandle s) override {
        return Int("FSOUND_Stream_GetLength", 0, s);
    }
    std::int32_t FSOUND_Stream_GetLengthMs(StreamHandle s) override {
        return Int("FSOUND_Stream_GetLengthMs", 0, s);
    }
    std::int32_t FSOUND_Stream_GetPosition(StreamHandle s) override {
        return Int("FSOUND_Stream_GetPosition", 0, s);
    }
    bool FSOUND_Stream_SetPosition(StreamHandle s, std::int32_t p) override {
        return Bool("FSOUND_Stream_SetPosition", s, p);
    }
    std::int32_t FSOUND_Stream_GetTime(StreamHandle s) override {
        return Int("FSOUND_Stream_GetTime", 0, s);
    }
    bool FSOUND_Stream_SetSubStream(StreamHandle s, std::int32_t i) override {
        return Bool("FSOUND_Stream_SetSubStream", s, i);
    }
    std::int32_t FSOUND_Stream_GetNumSubStreams(StreamHandle s) override {
        return Int("FSOUND_Stream_GetNumSubStreams", 0, s);
    }
    bool FSOUND_Stream_FindTagField(StreamHandle s, std::int32_t type, const std::string& name,
                                    std::string& value) override {
        m_rec.Record("FSOUND_Stream_FindTagField", s, type, name);
        auto it = tagFields.find(name);
        if (it == tagFields.end()) {
            return false;
        }
        value = it->second;
        return true;
    }

    SongHandle FMUSIC_LoadSong(const std::string& name) override {
        m_rec.Record("FMUSIC_LoadSong", name);
        return static_cast<SongHandle>(m_rec.Result("FMUSIC_LoadSong", ++m_lastHandle));
    }
    bool FMUSIC_PlaySong(SongHandle s) override { return Bool("FMUSIC_PlaySong", s); }
    bool FMUSIC_StopSong(SongHandle s) override { return Bool("FMUSIC_StopSong", s); }
    bool FMUSIC_FreeSong(SongHandle s) override { return Bool("FMUSIC_FreeSong", s); }
    std::string FMUSIC_GetName(SongHandle s) override {
        m_rec.Record("FMUSIC_GetName", s);
        return songNames[s];
    }
    std::int32_t FMUSIC_GetType(SongHandle s) override {
        return Int("FMUSIC_GetType", FMUSIC_TYPE_MOD, s);
    }
    bool FMUSIC_IsFinished(SongHandle s) override {
        m_rec.Record("FMUSIC_IsFinished", s);
        return m_rec.Result("FMUSIC_IsFinished", 0) != 0;
    }
    bool FMUSIC_IsPlaying(SongHandle s) override { return Bool("FMUSIC_IsPlaying", s); }
    std::int32_t FMUSIC_GetOrder(SongHandle s) override { return Int("FMUSIC_GetOrder", 0, s); }
    bool FMUSIC_SetOrder(SongHandle s, std::int32_t o) override {
        return Bool("FMUSIC_SetOrder", s, o);
    }
    std::int32_t FMUSIC_GetNumOrders(SongHandle s) override {
        return Int("FMUSIC_GetNumOrders", 0, s);
    }
    std::int32_t FMUSIC_GetTime(SongHandle s) override { return Int("FMUSIC_GetTime", 0, s); }
    std::int32_t FMUSIC_GetLengthMs(SongHandle s) override {
        return Int("FMUSIC_GetLengthMs", 0, s);
    }
    bool FMUSIC_SetTime(SongHandle s, std::int32_t ms) override {
        return Bool("FMUSIC_SetTime", s, ms);
    }
    bool FMUSIC_SetMasterVolume(SongHandle s, std::int32_t v) override {
        return Bool("FMUSIC_SetMasterVolume", s, v);
    }
    bool FMUSIC_SetPanSeperation(SongHandle s, float sep) override {
        return Bool("FMUSIC_SetPanSeperation", s, sep);
    }
    bool FMUSIC_SetPaused(SongHandle s, bool p) override {
        m_songPaused[s] = p;
        return Bool("FMUSIC_SetPaused", s, p);
    }
    bool FMUSIC_GetPaused(SongHandle s) override {
        m_rec.Record("FMUSIC_GetPaused", s);
        return m_rec.Result("FMUSIC_GetPaused", m_songPaused[s] ? 1 : 0) != 0;
    }

    DspUnitHandle FSOUND_DSP_Create(DspCallback cb, std::int32_t priority,
                                    void* userValue) override {
        m_rec.Record("FSOUND_DSP_Create", priority, static_cast<const void*>(userValue));
        auto unit = static_cast<DspUnitHandle>(m_rec.Result("FSOUND_DSP_Create", ++m_lastHandle));
        dspCallbacks[unit] = cb;
        dspUserValues[unit] = userValue;
        return unit;
    }
    void FSOUND_DSP_Free(DspUnitHandle u) override { m_rec.Record("FSOUND_DSP_Free", u); }
    void FSOUND_DSP_SetActive(DspUnitHandle u, bool a) override {
        m_active[u] = a;
        m_rec.Record("FSOUND_DSP_SetActive", u, a);
    }
    bool FSOUND_DSP_GetActive(DspUnitHandle u) override {
        m_rec.Record("FSOUND_DSP_GetActive", u);
        return m_rec.Result("FSOUND_DSP_GetActive", m_active[u] ? 1 : 0) != 0;
    }
    DspUnitHandle FSOUND_DSP_GetFFTUnit() override { return Int("FSOUND_DSP_GetFFTUnit", 1000); }
    Spectrum FSOUND_DSP_GetSpectrum() override {
        m_rec.Record("FSOUND_DSP_GetSpectrum");
        return spectrum;
    }
    std::int32_t FSOUND_DSP_GetBufferLength() override {
        return Int("FSOUND_DSP_GetBufferLength", 1024);
    }
    std::int32_t FSOUND_DSP_GetBufferLengthTotal() override {
        return Int("FSOUND_DSP_GetBufferLengthTotal", 4096);
    }

    bool FSOUND_CD_Play(char d, std::int32_t t) override { return Bool("FSOUND_CD_Play", d, t); }
    bool FSOUND_CD_Stop(char d) override { return Bool("FSOUND_CD_Stop", d); }
    bool FSOUND_CD_SetPaused(char d, bool p) override { return Bool("FSOUND_CD_SetPaused", d, p); }
    bool FSOUND_CD_GetPaused(char d) override {
        m_rec.Record("FSOUND_CD_GetPaused", d);
        return m_rec.Result("FSOUND_CD_GetPaused", 0) != 0;
    }
    bool FSOUND_CD_SetVolume(char d, std::int32_t v) override {
        return Bool("FSOUND_CD_SetVolume", d, v);
    }
    std::int32_t FSOUND_CD_GetTrackLength(char d, std::int32_t t) override {
        return Int("FSOUND_CD_GetTrackLength", 0, d, t);
    }
    bool FSOUND_CD_Eject(char d) override { return Bool("FSOUND_CD_Eject", d); }

private:
    template <typename... Args>
    bool Bool(const std::string& name, const Args&... args) {
        m_rec.Record(name, args...);
        return m_rec.Result(name, 1) != 0;
    }
    template <typename... Args>
    std::int32_t Int(const std::string& name, double otherwise, const Args&... args) {
        m_rec.Record(name, args...);
        return static_cast<std::int32_t>(m_rec.Result(name, otherwise));
    }

    CallRecorder& m_rec;
    std::int32_t m_lastHandle = 0;
    std::map<std::int32_t, std::int32_t> m_frequency;
    std::map<std::int32_t, std::int32_t> m_volume;
    std::map<std::int32_t, std::int32_t> m_pan;
    std::map<std::int32_t, bool> m_paused;
    std::map<SongHandle, bool> m_songPaused;
    std::map<DspUnitHandle, bool> m_active;
};

class FakeEffectLibrary : public EffectLibrary {
public:
    explicit FakeEffectLibrary(CallRecorder& recorder) : m_rec(recorder) {}
    void InitDSP() override { m_rec.Record("InitDSP"); }
    void CloseDSP() override { m_rec.Record("CloseDSP"); }
    void StartEcho(std::int32_t level) override { m_rec.Record("StartEcho", level); }
    void StopEcho() override { m_rec.Record("StopEcho"); }
    void StartIIR(float cutoff, float resonance) override {
        m_rec.Record("StartIIR", cutoff, resonance);
    }
    void StopIIR() override { m_rec.Record("StopIIR"); }
    void StartPreverb() override { m_rec.Record("StartPreverb"); }
    void StopPreverb() override { m_rec.Record("StopPreverb"); }
    void StartReverb() override { m_rec.Record("StartReverb"); }
    void StopReverb() override { m_rec.Record("StopReverb"); }
    void StartNoise() override { m_rec.Record("StartNoise"); }
    void StopNoise() override { m_rec.Record("StopNoise"); }
    std::string About() override {
        m_rec.Record("About");
        return "Echo effects";
    }
    float Echora_GetVersion() override {
        m_rec.Record("Echora_GetVersion");
        return static_cast<float>(m_rec.Result("Echora_GetVersion", 1.0));
    }

private:
    CallRecorder& m_rec;
};

class FakePitchLibrary : public PitchLibrary {
public:
    explicit FakePitchLibrary(CallRecorder& recorder) : m_rec(recorder) {}
    void InitTonalis(int outputRate) override { m_rec.Record("InitTonalis", outputRate); }
    void CloseTonalis() override { m_rec.Record("CloseTonalis"); }
    void TonalisStart(float tempo, float rate, float pitch) override {
        m_rec.Record("TonalisStart", tempo, rate, pitch);
    }
    void TonalisStop() override { m_rec.Record("TonalisStop"); }
    void ClearDspBuffer() override { m_rec.Record("ClearDspBuffer"); }
    float Tonalis_GetVersion() override {
        m_rec.Record("Tonalis_GetVersion");
        return static_cast<float>(m_rec.Result("Tonalis_GetVersion", 1.0));
    }

private:
    CallRecorder& m_rec;
};

// The three fakes sharing one call log.
struct FakeSoundSystem {
    CallRecorder recorder;
    FakeSoundLibrary sound{recorder};
    FakeEffectLibrary effects{recorder};
    FakePitchLibrary pitch{recorder};
};

} // namespace vantor::test
