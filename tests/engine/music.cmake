vantor_add_test(EngineMusicTests
    SOURCES
        CdDeviceTest.cpp
        MidiSongTest.cpp
        MusicSongTest.cpp
    LIBS vantor_engine_music vantor_engine_cd vantor_test_support)
