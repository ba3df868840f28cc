#pragma once
// The least time a channel transfer needs: its bytes on a 9600-baud line,
// both directions.
inline constexpr int HandshakeBytes = 9 + 1 + 1 + 8 + 1 + 1;  // string, 06, 02, reply, 06, 06
inline constexpr int ReadBlockBytes = 4 + 68 + 1 + 1;         // request, reply, 06, 06
inline constexpr int WriteBlockBytes = 4 + 16 + 1;            // header, data, 06
inline constexpr int ReadBytes = HandshakeBytes + 64 * ReadBlockBytes;
inline constexpr int WriteBytes = HandshakeBytes + 256 * WriteBlockBytes;
inline constexpr double SecondsPerByte = 10.0 / 9600.0;       // start + 8 data + stop bits
inline constexpr double RatioGoal = 1.05;
