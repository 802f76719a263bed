#include "ui/qt/desktop_sound.h"

#include <pulse/context.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

#include <unistd.h>

#include <QApplication>
#include <QGuiApplication>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

namespace ui::qt {

namespace {

constexpr std::uint32_t kRate = 44100;

// A soft "ding": a bell-like pair of partials that dies away in a quarter
// of a second, with a short fade-in so it does not click.
std::vector<std::int16_t> alertTone() {
    constexpr double kSeconds = 0.25;
    constexpr double kPitch = 880.0;
    const auto frames = static_cast<std::size_t>(kSeconds * kRate);
    std::vector<std::int16_t> samples(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        double t = double(i) / kRate;
        double attack = std::min(1.0, t / 0.004);
        double decay = std::exp(-t * 14.0);
        double wave = 0.75 * std::sin(2 * std::numbers::pi * kPitch * t) +
                      0.25 * std::sin(2 * std::numbers::pi * kPitch * 2.76 * t) * std::exp(-t * 30.0);
        samples[i] = static_cast<std::int16_t>(std::lround(wave * attack * decay * 0.45 * 32767));
    }
    return samples;
}

pa_proplist* properties(std::initializer_list<std::pair<const char*, const char*>> entries) {
    pa_proplist* list = pa_proplist_new();
    for (auto [key, value] : entries) pa_proplist_sets(list, key, value);
    return list;
}

// The sound library sends the server a cookie, and where the user has none
// it writes a new one into the home folder. The servers of a desktop
// session (the user's own PulseAudio, PipeWire) take the user by the
// socket's credentials and need none, so the program then hands over an
// all-zero cookie, as the library sends when it cannot load one.
bool userHasCookie() {
    if (std::getenv("PULSE_COOKIE")) return true;
    const char* home = std::getenv("HOME");
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    std::string config = configHome && *configHome ? configHome : std::string(home ? home : "") + "/.config";
    std::string base = home ? home : "";
    for (const std::string& path :
         {config + "/pulse/cookie", base + "/.pulse-cookie", base + "/.pulse/cookie"}) {
        if (::access(path.c_str(), R_OK) == 0) return true;
    }
    return false;
}

// The server to talk to: the one named in the environment, or the session's
// own socket where it exists. Left to itself the library would make its
// runtime folder (in XDG_RUNTIME_DIR, or a link in the home folder) just to
// look there; a session with no sound server gets the display's bell.
std::string serverAddress() {
    if (const char* named = std::getenv("PULSE_SERVER"); named && *named) return named;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!runtime || !*runtime) return {};
    std::string socket = std::string(runtime) + "/pulse/native";
    return ::access(socket.c_str(), F_OK) == 0 ? "unix:" + socket : std::string();
}

}  // namespace

// Everything here but the constructor's set-up is touched under the
// mainloop's lock: the library calls back on its own thread.
struct DesktopSound::Server {
    pa_threaded_mainloop* loop = nullptr;
    pa_context* context = nullptr;
    std::vector<std::int16_t> tone = alertTone();

    bool connect() {
        std::string server = serverAddress();
        if (server.empty()) return false;
        // The menu entry's id names the program and its icon in the desktop's
        // sound settings.
        std::string id = QGuiApplication::desktopFileName().toStdString();
        pa_proplist* about = properties({{PA_PROP_APPLICATION_NAME, "Aritmetica"}});
        if (!id.empty()) {
            pa_proplist_sets(about, PA_PROP_APPLICATION_ID, id.c_str());
            pa_proplist_sets(about, PA_PROP_APPLICATION_ICON_NAME, id.c_str());
        }
        context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop), "Aritmetica", about);
        pa_proplist_free(about);
        if (!context) return false;
        if (!userHasCookie()) pa_context_load_cookie_from_file(context, "/dev/zero");
        // Never start a sound server of our own: that would write its files.
        if (pa_context_connect(context, server.c_str(), PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
            pa_context_unref(context);
            context = nullptr;
            return false;
        }
        return true;
    }

    bool ready() const { return context && pa_context_get_state(context) == PA_CONTEXT_READY; }

    void play() {
        pa_sample_spec spec{PA_SAMPLE_S16NE, kRate, 1};
        pa_proplist* about = properties(
            {{PA_PROP_MEDIA_ROLE, "event"}, {PA_PROP_EVENT_ID, "bell"}, {PA_PROP_MEDIA_NAME, "Avviso"}});
        pa_stream* stream = pa_stream_new_with_proplist(context, "Avviso", &spec, nullptr, about);
        pa_proplist_free(about);
        if (!stream) return;
        pa_stream_set_state_callback(stream, &Server::streamChanged, this);
        if (pa_stream_connect_playback(stream, nullptr, nullptr, PA_STREAM_NOFLAGS, nullptr, nullptr) < 0) {
            pa_stream_set_state_callback(stream, nullptr, nullptr);
            pa_stream_unref(stream);
        }
    }

    // A stream plays the tone once, drains and goes.
    static void streamChanged(pa_stream* stream, void* data) {
        auto* server = static_cast<Server*>(data);
        switch (pa_stream_get_state(stream)) {
            case PA_STREAM_READY:
                pa_stream_write(stream, server->tone.data(), server->tone.size() * sizeof(std::int16_t),
                                nullptr, 0, PA_SEEK_RELATIVE);
                if (pa_operation* drain = pa_stream_drain(stream, &Server::drained, nullptr)) {
                    pa_operation_unref(drain);
                }
                break;
            case PA_STREAM_FAILED:
            case PA_STREAM_TERMINATED:
                pa_stream_set_state_callback(stream, nullptr, nullptr);
                pa_stream_unref(stream);
                break;
            default:
                break;
        }
    }

    static void drained(pa_stream* stream, int, void*) { pa_stream_disconnect(stream); }
};

DesktopSound::DesktopSound() : server_(std::make_unique<Server>()) {
    server_->loop = pa_threaded_mainloop_new();
    if (!server_->loop) return;
    server_->connect();
    pa_threaded_mainloop_start(server_->loop);
}

DesktopSound::~DesktopSound() {
    if (!server_->loop) return;
    pa_threaded_mainloop_lock(server_->loop);
    if (server_->context) pa_context_disconnect(server_->context);
    pa_threaded_mainloop_unlock(server_->loop);
    pa_threaded_mainloop_stop(server_->loop);
    if (server_->context) pa_context_unref(server_->context);
    pa_threaded_mainloop_free(server_->loop);
}

bool DesktopSound::connected() const {
    if (!server_->loop) return false;
    pa_threaded_mainloop_lock(server_->loop);
    bool ready = server_->ready();
    pa_threaded_mainloop_unlock(server_->loop);
    return ready;
}

void DesktopSound::beep() {
    bool played = false;
    if (server_->loop) {
        pa_threaded_mainloop_lock(server_->loop);
        if (server_->ready()) {
            server_->play();
            played = true;
        } else if (!server_->context || !PA_CONTEXT_IS_GOOD(pa_context_get_state(server_->context))) {
            // The server went away, or was not there at start: look again
            // for the next beep.
            if (server_->context) pa_context_unref(server_->context);
            server_->context = nullptr;
            server_->connect();
        }
        pa_threaded_mainloop_unlock(server_->loop);
    }
    if (!played) QApplication::beep();
}

}  // namespace ui::qt
