target_sources(tavro_gui PRIVATE
    controls/chameleonButton.cpp controls/chameleonButton.h
)
