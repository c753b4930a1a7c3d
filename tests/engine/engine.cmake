vantor_add_test(EngineTests
    SOURCES
        EngineHarness.cpp
        DspUnitTest.cpp
        OutputTest.cpp
        SongAndCdTest.cpp
        StreamPlaybackTest.cpp
    LIBS vantor_engine vantor_core vantor_test_media vantor_test_support)
