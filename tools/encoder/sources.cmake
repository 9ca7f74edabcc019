set(VELMORA_ENCODER_SOURCES
  tools/encoder/block_encoder.cpp
)
