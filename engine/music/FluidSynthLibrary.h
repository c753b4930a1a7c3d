// FluidSynth bound at run time. It and its dependencies (sound servers,
// readline, libinstpatch) are only needed once a MIDI song plays, so they are
// loaded then and stay for the life of the process. Any thread may call
// FluidSynth().
#pragma once

#include "base/DynamicLibrary.h"

#include <fluidsynth.h>

// Every FluidSynth function the songs call.
#define VANTOR_FLUIDSYNTH_FUNCTIONS(X)                                                             \
    X(delete_fluid_player)                                                                         \
    X(delete_fluid_settings)                                                                       \
    X(delete_fluid_synth)                                                                          \
    X(fluid_player_add_mem)                                                                        \
    X(fluid_player_get_current_tick)                                                               \
    X(fluid_player_get_status)                                                                     \
    X(fluid_player_get_total_ticks)                                                                \
    X(fluid_player_play)                                                                           \
    X(fluid_player_seek)                                                                           \
    X(fluid_player_stop)                                                                           \
    X(fluid_set_log_function)                                                                      \
    X(fluid_settings_setint)                                                                       \
    X(fluid_settings_setnum)                                                                       \
    X(fluid_settings_setstr)                                                                       \
    X(fluid_synth_add_sfont)                                                                       \
    X(fluid_synth_all_notes_off)                                                                   \
    X(fluid_synth_all_sounds_off)                                                                  \
    X(fluid_synth_get_active_voice_count)                                                          \
    X(fluid_synth_get_sfont_by_id)                                                                 \
    X(fluid_synth_remove_sfont)                                                                    \
    X(fluid_synth_sfload)                                                                          \
    X(fluid_synth_write_float)                                                                     \
    X(new_fluid_player)                                                                            \
    X(new_fluid_settings)                                                                          \
    X(new_fluid_synth)

namespace vantor::engine {

struct FluidSynthApi {
    VANTOR_BOUND_FUNCTIONS(VANTOR_FLUIDSYNTH_FUNCTIONS)
};

// FluidSynth's functions, loading the library the first time, with its own
// logging silenced so that bad files do not flood the error output; null
// when it cannot be loaded, which no later call changes.
const FluidSynthApi* FluidSynth();

} // namespace vantor::engine
