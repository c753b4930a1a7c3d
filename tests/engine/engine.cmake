vantor_add_test(EngineTests
    SOURCES
        EngineHarness.cpp
        DspUnitTest.cpp
        EqualizerTest.cpp
        OutputTest.cpp
        PcmStreamTest.cpp
        RealFftTest.cpp
        ResamplingTest.cpp
        SongAndCdTest.cpp
        StreamDecoderTest.cpp
        StreamPlaybackTest.cpp
    LIBS vantor_engine vantor_core vantor_test_media vantor_test_support)

# Replaces the allocator and the mutex lock to watch the mixing thread; the
# sanitizers bring allocators of their own, so it is built without them.
if(NOT VANTOR_SANITIZE)
    vantor_add_test(EngineRealtimeTests
        SOURCES
            EngineHarness.cpp
            RealtimeCallbackTest.cpp
        LIBS vantor_engine vantor_test_media vantor_test_support)
endif()

# Links neither FFmpeg nor FluidSynth, to see when the engine loads them.
vantor_add_test(EngineLazyLoadTests
    SOURCES LazyLibrariesTest.cpp
    LIBS vantor_engine vantor_test_support)
