[playlist]
NumberOfEntries=4

File0=http://harbour.example.org:8000/live
Title0=Harbour Radio
Length0=-1

File1=http://folk.example.org/stream.ogg
Title1=Folk Corner
Length1=-1

File2=udp://239.0.0.1:1234
Title2=Night Talk
Length2=-1

File3=http://jazz.example.net/late.mp3
Title3=Late Jazz
Length3=-1

Version=2
