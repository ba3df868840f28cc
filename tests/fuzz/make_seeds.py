#!/usr/bin/env python3
"""Writes the hand-made seed inputs of the fuzz targets into corpus/<target>/.

The picture seeds come from the program's own encoder instead: see
corpus/picturefile/ (written once with MakeScrambledPicture). Run from
tests/fuzz/; existing files of the same name are replaced.
"""
import os

HANDSHAKE_REPLY = b"\x06PRXMVZ5"   # 06h and the last seven handshake letters


def write(target, name, data):
    folder = os.path.join("corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def channel_file(rows, kind=b"tes"):
    """A channel file of len(rows) + 1 rows; each row is 12 cell texts."""
    lines = [kind, str(len(rows) + 1).encode()]
    for column in range(12):
        lines += [row[column] for row in rows]
    return b"".join(line + b"\r\n" for line in lines)


def channel_seeds():
    good = [b"476.42500", b"476.42500", b"67.0", b"D023N", b"High", b"12.5K",
            b"Off", b"DTMF", b"QT+DTMF", b"On", b"On", b"CH1"]
    other = [b"400.01250", b"480.99950", b"Off", b"D754I", b"Low", b"25K",
             b"On", b"Off", b"QT*DTMF", b"Off", b"Off", b"AB-1"]
    empty = [b""] * 12
    write("channelfile", "two-rows", channel_file([good]))
    write("channelfile", "four-rows", channel_file([good, other, empty]))
    write("channelfile", "out-of-band", channel_file([[b"399.99990", b"481.00000"] + good[2:]]))
    write("channelfile", "bad-kind", channel_file([good], kind=b"tez"))
    write("channelfile", "short", b"tes\r\n129\r\n476.42500\r\n")
    write("channelfile", "gbk-name", channel_file([good[:11] + ["\u9891\u9053".encode("gbk")]]))


def default_seeds():
    pairs = [(b"476.4250", b"476.4250"), (b"", b""), (b"400.0125", b"480.9995"), (b"477.5", b"abc")]
    write("defaults", "pairs", b"".join(rx + b"\r\n" + tx + b"\r\n" for rx, tx in pairs))
    write("defaults", "odd-count", b"476.4250\n476.4250\n476.4500\n")
    write("defaults", "gbk-bytes", b"\xc6\xb5\xb5\xc0\r\n\xff\xfe\r476.4250")


CSV_HEADER = (b"Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
              b"RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n")


def csv_seeds():
    write("csv", "tone-modes", CSV_HEADER + b"".join(line + b"\r\n" for line in [
        b"5,Rpt-1,476.425000,+,0.500000,Tone,67.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,",
        b"82,,476.431200,-,5,TSQL,88.5,100.0,023,NN,023,Tone->Tone,NFM,5.00,S,1.5W,,,,,",
        b"83,x,470,off,0,DTCS,88.5,88.5,754,RR,023,Tone->Tone,FM,5.00,,Low,,,,,",
        b"84,,470,,0,Cross,67.0,100.0,023,NR,131,Tone->DTCS,FM,5.00,,High,\"a, \"\"b\"\"\",,,,",
        b"85,,470,,0,DTCS-R,88.5,88.5,131,NR,023,Tone->Tone,FM,5.00,,High,,,,,"]))
    write("csv", "bad-line", CSV_HEADER + b"90,,476.4,split,470,,,,,,,,AM\n")
    write("csv", "chirp-saved", b"# saved by CHIRP\r\n" + CSV_HEADER + b"".join(line + b"\r\n" for line in [
        b"0,Zero,476.425000,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,",
        b"1,Rpt,476.425000,+,0.750000,TSQL,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,,1.0W,,,,,",
        b"# between",
        b"2,Split,476.450000,split,470.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,50W,,,,,",
        b"99,Short,470.0,,0",
        b"100,AM,470.0,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,5.00,,5.0W,,,,,"]))
    write("csv", "one-tone-column", b"Location,Frequency,Tone,rToneFreq\n1,444.55,TSQL,141.3\n95,470,Tone,67\n")
    write("csv", "open-quote", CSV_HEADER + b"90,\"never closed,470\n91,,470\n")
    write("csv", "clipboard", b"RX Frequency(MHZ)\tTX Frequency(MHZ)\r\n476.425\t\t67\toff\tlow\t12.5k\ton\r\n"
                              b"477.1\t\t\t\t\t\t\t\t\t\t\t\t\r\n")


def option_seeds():
    write("optionfile", "design", b"".join(v + b"\r\n" for v in
          [b"0", b"0", b"0", b"0", b"2", b"3", b"4", b"0", b"0", b"0", b"1", b"0", b"1", b"0"]))
    write("optionfile", "bad-line", b"0\n0\n-2\n")
    write("optionfile", "frame", bytes([1, 5, 0, 0, 4, 0, 2, 0, 1, 3, 4, 1, 0, 2, 0, 0]))


def hex_seeds():
    write("hextext", "command", b"52 0E 00 40 ")
    write("hextext", "reply", b"06 50 52 58 4D 56 5A 35 ")
    write("hextext", "ragged", b"5  g1 0x7 FFF -1")


def bursts(*answers):
    return b"".join(bytes([len(a)]) + a for a in answers)


def handshake(ack=True):
    """The radio's answers to the handshake string, 02h and (ack) the confirm."""
    return [b"\x06", HANDSHAKE_REPLY] + ([b"\x06"] if ack else [])


def read_reply(address, fill):
    return b"W" + bytes([address >> 8, address & 0xFF, 0x40]) + bytes(fill(i) for i in range(64))


def channel_read():
    answers = handshake()
    for block in range(32):
        for region in (0, 0x1000):
            address = 0x10 + 64 * block + region
            # slot 1 at 476.425 MHz; names "A"; everything else empty.
            if region == 0 and block == 0:
                record = bytes([0x00, 0x25, 0x64, 0x47, 0x00, 0x25, 0x64, 0x47,
                                0xFF, 0xFF, 0xFF, 0xFF, 0xFD, 0xBF, 0xFE, 0xFF])
                answers.append(b"W" + bytes([0, 0x10, 0x40]) + record + b"\xFF" * 48)
            elif region:
                answers.append(read_reply(address, lambda i: 0x0A if i % 16 == 0 else 0xFF))
            else:
                answers.append(read_reply(address, lambda i: 0xFF))
            answers.append(b"\x06")
    return answers


def option_read_reply():
    frame = bytes([1, 5, 0, 0, 4, 0, 2, 0, 1, 3, 4, 1, 0, 2, 0, 0])
    return b"W\x0E\x00\x40" + b"\xFF" * 32 + frame + b"\xFF" * 16


def radio_seeds():
    # header: bits 0-2 exchange, 3-4 Yes answers, 5 other ending, 6 first open fails
    write("radioreplies", "handshake", bytes([0]) + bursts(*handshake()))
    write("radioreplies", "handshake-other-ending", bytes([0x20]) + bursts(b"\x06", HANDSHAKE_REPLY + b"\x06"))
    write("radioreplies", "handshake-wrong-reply-retry",
          bytes([0x08]) + bursts(b"\x06", b"\x06PRXMVZ6", *handshake()))
    write("radioreplies", "channel-read", bytes([1]) + bursts(*channel_read()))
    write("radioreplies", "channel-read-short-block", bytes([1]) + bursts(*handshake(), b"W\x00\x10\x40" + b"\x00" * 30))
    write("radioreplies", "channel-write", bytes([2]) + bursts(*handshake(), *([b"", b"\x06"] * 256)))
    write("radioreplies", "option-read", bytes([3]) + bursts(*handshake(), option_read_reply(), b"\x06"))
    write("radioreplies", "option-write", bytes([4]) + bursts(*handshake(), b"\x06"))
    write("radioreplies", "open-fails-retry", bytes([0x48]) + bursts(*handshake()))


if __name__ == "__main__":
    channel_seeds()
    default_seeds()
    csv_seeds()
    option_seeds()
    hex_seeds()
    radio_seeds()
    write("picturetitle", "title", b"\x01FANE5 Radio Programmer")
    write("picturetitle", "trailer-bad-digits", b"\x00" + bytes(b ^ (j + 1) for j, b in enumerate(b"0000zz00AETITL")))
    write("picturetitle", "no-title", b"\x00" + bytes(b ^ (j + 1) for j, b in enumerate(b"00000000NOTITL")))
