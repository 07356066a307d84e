#!/usr/bin/python3
"""Writes the seed corpus of every fuzz target into fuzz/corpus/TARGET/.

Each seed is a small file named after what it holds. Run it again after changing the seeds;
it rewrites only the seeds it names and leaves every other file where it is.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SEP = b"\x1f"  # the fuzz targets' text separator

NUMBERS = {
    "empty": b"",
    "zero": b"0",
    "zero_point_zero": b"0.0",
    "blank_zero": b" 0",
    "integer": b"12",
    "negative": b"-5",
    "plus": b"+7",
    "decimal": b"3.14159265358979",
    "leading_point": b".5",
    "trailing_point": b"5.",
    "two_points": b"1.5.3",
    "comma": b"1,5",
    "comma_thousands": b"1,000,000",
    "exponent": b"1E-06",
    "exponent_lower": b"2.5e+3x",
    "exponent_alone": b"1e+",
    "overflow": b"1E400",
    "negative_overflow": b"-1E400",
    "underflow": b"1E-400",
    "largest": b"1.79769313486231E+308",
    "beyond_largest": b"1.797693134862316E+308",
    "smallest": b"4.94065645841247E-324",
    "huge_exponent": b"1E99999999999999999999",
    "zero_huge_exponent": b"0e999999",
    "hex_minus_one": b"&HFFFF",
    "hex_16_bits": b"&H8000",
    "hex_17_bits": b"&H10000",
    "hex_32_bits": b"&HFFFFFFFF",
    "hex_40_bits": b"&HFFFFFFFFFF",
    "hex_lower": b"&h7fff",
    "hex_bad_digit": b"&HG1",
    "octal": b"&O177777",
    "octal_bad_digit": b"&O8",
    "blank_in_hex": b"& H10",
    "negative_hex": b"-&H10",
    "blanks": b" 1 2.5 ",
    "tab_newline": b"3\t.\n2",
    "carriage_return": b"\r5",
    "accented": "á".encode(),
    "latin1_byte": b"\xe1" + b"5",
    "nul_byte": b"5\x006",
    "word": b"abc",
    "overflow_word": b"Desbordamiento",
    "long_digits": b"1" * 400,
    "long_fraction": b"0." + b"0" * 330 + b"1",
    "long_mixed": (b"9" * 20 + b".") * 50,
    "long_blanks": b" " * 3000 + b"7",
    "point_exponent": b"1.e5",
    "point_exponent_sign": b"-2.E1x",
    "point_exponent_overflow": b"9.e308",
    "long_exponent": b"1e-" + b"0" * 20 + b"5",
    "long_compensated": b"0." + b"0" * 3000 + b"15e3003",
    "long_halfway": b"9007199254740993." + b"0" * 1000 + b"1",
}


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def doubles():
    values = {
        "double_zero": 0.0,
        "double_negative_zero": -0.0,
        "double_one": 1.0,
        "double_tenth": 0.1,
        "double_pi": 3.14159265358979,
        "double_1e15": 1e15,
        "double_below_1e15": 999999999999999.5,
        "double_1e-5": 1e-5,
        "double_halfway": 1000000000000005.0,
        "double_max": 1.7976931348623157e308,
        "double_min_normal": 2.2250738585072014e-308,
        "double_min_subnormal": 5e-324,
        "double_negative": -2.5,
        "double_infinity": float("inf"),
        "double_negative_infinity": float("-inf"),
        "double_nan": float("nan"),
        "double_round_up": 0.99999999999999994,
    }
    return {name: struct.pack("<d", v) for name, v in values.items()}


def parse_seeds():
    for name, text in NUMBERS.items():
        write("fuzz_parse", name, text)


def numbertext_seeds():
    for name, text in NUMBERS.items():
        write("fuzz_numbertext", name, text)
    for name, data in doubles().items():
        write("fuzz_numbertext", f"{name}_4", data + bytes([4]))
    for name, decimals in (("double_pi", 14), ("double_round_up", 0), ("double_max", 20)):
        write("fuzz_numbertext", f"{name}_{decimals}", doubles()[name] + bytes([decimals]))


def calculators_seeds():
    # table (0 area, 1 perimeter, 2 volume), figure, pi choice, two unit choices, A, B, C
    cases = {
        "square_cm_m": (0, 0, 10, 1, 2, b"5", b"", b""),
        "circle_m_cm": (0, 6, 10, 2, 1, b"2", b"", b""),
        "trapezoid_typed_units": (0, 4, 10, 7, 7, b"3", b"4", b"5"),
        "perimeter_km_mm": (1, 0, 10, 3, 0, b"1E300", b"", b""),
        "volume_sphere_pi_typed": (2, 8, 200, 2, 2, b"3", b"", b""),
        "volume_overflow": (2, 0, 10, 3, 0, b"1E200", b"", b""),
        "area_1E400": (0, 0, 10, 2, 2, b"1E400", b"", b""),
        "area_negative_overflow": (0, 1, 10, 2, 2, b"-1E400", b"1E400", b""),
        "area_hex": (0, 1, 10, 0, 3, b"&HFFFF", b"&HFFFFFFFFFF", b""),
        "area_commas": (0, 2, 10, 1, 1, b"1,5", b"2,5", b""),
        "area_blanks": (0, 2, 10, 1, 1, b" ", b"\t", b""),
        "area_non_ascii": (0, 2, 10, 1, 1, "ñ".encode(), b"\xff\xfe", b""),
        "perimeter_long_text": (1, 3, 10, 1, 1, b"9" * 500, b"9" * 500, b""),
        "volume_underflow": (2, 1, 10, 0, 3, b"1E-300", b"1E-300", b"1E-300"),
    }
    for name, (table, figure, pi, unit_a, unit_b, a, b, c) in cases.items():
        data = bytes([table, figure, pi])
        if pi >= 128:
            data += b"3.14" + SEP
        data += bytes([unit_a])
        if unit_a % 8 >= 4:
            data += "m²".encode() + SEP
        data += bytes([unit_b])
        if unit_b % 8 >= 4:
            data += b"km" + SEP
        write("fuzz_calculators", name, data + a + SEP + b + SEP + c)


def solver_seeds():
    # flags: bit 0 four decimals, bit 1 proportion; each box: 0 marker, 1 empty, 2 typed text
    def boxes(*texts):
        data = b""
        for t in texts:
            if t is None:
                data += b"\x00"
            elif t == b"":
                data += b"\x01"
            else:
                data += b"\x02" + t + SEP
        return data

    cases = {
        "hypotenuse": (0, boxes(None, b"3", b"4")),
        "hypotenuse_rounded": (1, boxes(None, b"1", b"1")),
        "leg": (0, boxes(b"5", None, b"4")),
        "leg_too_long": (0, boxes(b"3", None, b"5")),
        "negative_leg": (0, boxes(b"3", b"-5", None)),
        "need_two": (0, boxes(None, None, b"4")),
        "triangle_overflow": (0, boxes(None, b"1E200", b"1")),
        "triangle_1E400": (0, boxes(None, b"1E400", b"1")),
        "triangle_hex": (1, boxes(None, b"&HFFFF", b"&HFFFFFFFFFF")),
        "triangle_commas": (0, boxes(None, b"1,5", b"2,5")),
        "triangle_nothing": (0, boxes(b"5", b"3", b"4")),
        "triangle_largest": (1, boxes(b"1.79769313486231E+308", None, b"1")),
        "proportion": (2, boxes(b"2", b"4", b"3", None)),
        "proportion_rounded": (3, boxes(b"1", b"3", None, b"1")),
        "proportion_zero_divisor": (2, boxes(b"2", b"", b"3", None)),
        "proportion_nothing": (2, boxes(b"2", b"4", b"3", b"6")),
        "proportion_overflow": (2, boxes(None, b"1E300", b"1E300", b"1E-300")),
        "proportion_1E400": (2, boxes(None, b"1E400", b"1", b"1")),
        "proportion_underflow": (3, boxes(None, b"1E-300", b"1E-300", b"1E300")),
        "proportion_non_ascii": (2, boxes(None, "é".encode(), b"\xc3", b"2")),
        "proportion_long": (2, boxes(None, b"7" * 300, b"3" * 300, b"1" * 300)),
        "proportion_halves": (3, boxes(b"3", None, b"2.00005", b"3")),
    }
    for name, (flags, data) in cases.items():
        write("fuzz_solver", name, bytes([flags]) + data)


def converter_seeds():
    # actions: 0 type A, 1 type B, 2 Enter, 3 focus A, 4 focus B, 5 arrow A, 6 arrow B,
    # 7 family, 8 arrow of no box, 9 nothing
    def type_a(t):
        return b"\x00" + t + SEP

    def type_b(t):
        return b"\x01" + t + SEP

    enter, focus_a, focus_b = b"\x02", b"\x03", b"\x04"

    def arrow(box, forward):
        return bytes([5 if box == 1 else 6, 1 if forward else 0])

    def family(modo):
        return bytes([7, modo & 0xFF])

    cases = {
        "enter_in_a": focus_a + type_a(b"5") + enter,
        "enter_in_b": focus_b + type_b(b"2.5") + enter,
        "enter_no_focus": type_a(b"5") + enter,
        "arrows_wrap": focus_a + type_a(b"1") + arrow(1, False) * 3 + arrow(2, True) * 9,
        "family_volume": focus_a + type_a(b"1") + family(3) + arrow(1, True) * 8,
        "family_then_back": family(3) + arrow(2, True) * 7 + family(1) + family(3) + enter,
        "family_invalid": family(0) + family(4) + family(-1) + bytes([8, 3, 1]),
        "overflow": focus_a + type_a(b"1E400") + enter,
        "overflow_product": family(1) + arrow(1, True) * 6 + type_a(b"1E308") + arrow(2, False)
        + focus_a + enter,
        "overflow_from_result": focus_a + type_a(b"1E400") + enter + focus_b + enter,
        "hex": focus_a + type_a(b"&HFFFF") + enter + type_a(b"&HFFFFFFFFFF") + enter,
        "commas": focus_b + type_b(b"1,5") + enter,
        "blanks": focus_a + type_a(b" ") + enter + type_a(b"") + enter,
        "non_ascii": focus_a + type_a("ñ".encode()) + enter + type_a(b"\xff") + enter,
        "long_text": focus_a + type_a(b"9" * 300) + enter,
        "tiny": family(2) + arrow(1, False) * 4 + focus_a + type_a(b"1E-300") + enter,
        "word": focus_b + type_b(b"Desbordamiento") + enter,
        "switch_focus": focus_a + type_a(b"3") + enter + focus_b + enter + focus_a + enter,
    }
    for name, data in cases.items():
        write("fuzz_converter", name, data)


def pitext_seeds():
    # actions: 0 type a text, 1 the "-" link, 2 the "+" link
    def typed(t):
        return b"\x00" + t + SEP

    minus, plus = b"\x01", b"\x02"
    cases = {
        "four": typed(b"4"),
        "every_count": b"".join(typed(str(n).encode()) for n in range(3, 16)),
        "minus_to_four": minus * 12,
        "plus_from_four": typed(b"4") + plus * 12,
        "three": typed(b"3"),
        "fifteen": typed(b"15"),
        "fraction": typed(b"7.5") + plus + minus,
        "empty": typed(b""),
        "negative": typed(b"-5") + plus,
        "overflow": typed(b"1E400") + minus,
        "negative_overflow": typed(b"-1E400") + plus,
        "hex": typed(b"&H9") + plus,
        "hex_40_bits": typed(b"&HFFFFFFFFFF") + minus,
        "comma": typed(b"1,0") + typed(b"10,5"),
        "exponent": typed(b"1E1") + typed(b"1.4E1"),
        "blanks": typed(b" 1 2 "),
        "non_ascii": typed("ñ".encode()) + typed(b"\xff9"),
        "long": typed(b"1" + b"0" * 400) + minus,
        "word": typed(b"Desbordamiento") + plus,
    }
    for name, data in cases.items():
        write("fuzz_pitext", name, data)


if __name__ == "__main__":
    parse_seeds()
    numbertext_seeds()
    calculators_seeds()
    solver_seeds()
    converter_seeds()
    pitext_seeds()
