[playlist]
NumberOfEntries=2

File1=http://jazz.example.org:8000/live
Title1=Jazz Lounge
Length1=-1

File2=udp://239.0.0.1:1234
Title2=City News TV
listtype=TV
Length2=-1

Version=2
