#!/usr/bin/env python3
"""Writes tone.mp3: one second of a 440 Hz sine, 22.05 kHz mono, 32 kbit/s CBR.

Made with the machine's own GStreamer (audiotestsrc and the LAME encoder of the
good plugins), called through ctypes because the command-line tools are not
installed. Usage: python3 make_tone_mp3.py OUTPUT.mp3
"""
import ctypes
import sys

GST_STATE_NULL, GST_STATE_PLAYING = 1, 4
GST_MESSAGE_EOS, GST_MESSAGE_ERROR = 1 << 0, 1 << 1

gst = ctypes.CDLL("libgstreamer-1.0.so.0")
gst.gst_init(None, None)
gst.gst_parse_launch.restype = ctypes.c_void_p
gst.gst_parse_launch.argtypes = [ctypes.c_char_p, ctypes.c_void_p]
gst.gst_element_set_state.argtypes = [ctypes.c_void_p, ctypes.c_int]
gst.gst_element_get_bus.restype = ctypes.c_void_p
gst.gst_element_get_bus.argtypes = [ctypes.c_void_p]
gst.gst_bus_timed_pop_filtered.restype = ctypes.c_void_p
gst.gst_bus_timed_pop_filtered.argtypes = [ctypes.c_void_p, ctypes.c_uint64, ctypes.c_int]

pipeline = gst.gst_parse_launch(
    ("audiotestsrc num-buffers=20 samplesperbuffer=1102 wave=sine freq=440 ! "
     "audio/x-raw,rate=22050,channels=1 ! lamemp3enc target=bitrate bitrate=32 cbr=true ! "
     "filesink location=%s" % sys.argv[1]).encode(), None)
if not pipeline:
    sys.exit("cannot build the pipeline (are the GStreamer good plugins installed?)")
gst.gst_element_set_state(pipeline, GST_STATE_PLAYING)
gst.gst_bus_timed_pop_filtered(gst.gst_element_get_bus(pipeline), ctypes.c_uint64(-1).value,
                               GST_MESSAGE_EOS | GST_MESSAGE_ERROR)
gst.gst_element_set_state(pipeline, GST_STATE_NULL)
