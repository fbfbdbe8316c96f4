[playlist]
NumberOfEntries=4

File0=http://jazz.example.org:8000/live
Title0=Jazz Lounge
Length0=-1

File1=udp://239.0.0.1:1234
Title1=City News TV
listtype=TV
Length1=-1

File2=http://plain.example.com/radio
Title2=
Length2=-1

File3=http://before.example.org/
Title3=Before The Break
Length3=-1

Version=2
